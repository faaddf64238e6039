#pragma once

class Prompts;
class ProgramLauncher;
class LinkOpener;
class HttpGet;
class EchoClient;

// The ways out of the program: message boxes, programs, links, the network.
// The configurator passes real ones; tests pass scripted ones.
struct Ports
{
    Prompts &prompts;
    ProgramLauncher &launcher;
    LinkOpener &links;
    HttpGet &http;
    EchoClient &echo;
};
