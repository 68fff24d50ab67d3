// The readable text of any bytes taken for HTML: it never grows (a reference is never shorter
// than what it stands for, a tag leaves at most a space), and bytes without markup pass as they
// are.
#include "search/HtmlText.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view html(reinterpret_cast<const char*>(data), size);
    const std::string text = htmlToTextUtf8(html);
    if (text.size() > html.size())
        std::abort();
    if (html.find_first_of("<&") == std::string_view::npos && text != html)
        std::abort();
    return 0;
}
