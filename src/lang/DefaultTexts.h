#pragma once

// The built-in English texts: the entries that carry a text, in index order.
// Every entry not listed holds a single blank.
struct DefaultText
{
    int index;
    const char16_t *text;
};

extern const DefaultText kDefaultTexts[];
extern const int kDefaultTextCount;
