#include "meter/PreloadText.h"

namespace {
constexpr const char* kLineBreak = "\r\n";
constexpr int kLineBreakLength = 2;
constexpr const char* kBlanks = " \t";
}  // namespace

brio::BRString preloadTextFromList(const brio::BRStringArray& list)
{
    brio::BRString text;
    for (int i = 0; i < static_cast<int>(list.size()); ++i) {
        if (i > 0)
            text += kLineBreak;
        text += list[i];
    }
    return text;
}

void rebuildListFromText(brio::BRStringArray& list, brio::BRString text)
{
    list.clear();
    while (!text.empty()) {
        brio::BRString line;
        const int lineEnd = text.first(kLineBreak);
        if (lineEnd >= 0) {
            line = text.left(lineEnd);
            text.remove(0, lineEnd + kLineBreakLength);
        } else {
            line = text;
            text = brio::BRString();
        }
        line.strip(kBlanks, brio::BRString::StripBoth);
        if (!line.empty())
            list.add(line);
    }
}
