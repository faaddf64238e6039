#include "lang/DefaultTexts.h"

// Built-in English texts, in index order.
const DefaultText kDefaultTexts[] = {
    {0, u"Begin"},
    {1, u"Step 1"},
    {2, u"Step 2"},
    {3, u"Step 3"},
    {4, u"Step 4"},
    {5, u"Step 5"},
    {9, u"None Configuration Opened "},
    {10, u"Use Step1 to open or create new configuration"},
    {11, u"Opened Configuration of the Converter : "},
    {12, u"Information"},
    {13, u"Options"},
    {14, u"Close Configurator"},
    {15, u"New Configuration"},
    {16, u"Open Configuration"},
    {17, u"Update Device UDP"},
    {18, u"Error! Project not Valid"},
    {19, u"New Version Available. Click Here for more Details"},
    {20, u"Set Communication"},
    {21, u"OPC UA Access"},
    {22, u"Create a new configuration for the device"},
    {23, u"Open an exists configuration"},
    {24, u"Set the main parameters of Protocols"},
    {25, u"Set the List of OPC UA Variables"},
    {26, u"Update the actual Firmware and/or Configuration in the device"},
    {55, u"PROFINET XML"},
    {56, u"Create the GSDML File for PROFINET"},
};

const int kDefaultTextCount = int(sizeof(kDefaultTexts) / sizeof(kDefaultTexts[0]));
