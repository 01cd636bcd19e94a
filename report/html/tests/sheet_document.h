// The calc sheet read back as a reviewer reads it: a small HTML parser that
// fails the test where the markup is not well-formed (bytes not UTF-8,
// tags left open or crossed, a stray < or &, a style declaration that is
// not CSS), and elements to look texts up in, whatever the markup.
#ifndef BRACING_REPORT_HTML_TESTS_SHEET_DOCUMENT_H
#define BRACING_REPORT_HTML_TESTS_SHEET_DOCUMENT_H

#include "io/utf8_sequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

struct Element {
    std::string tag;
    std::string attributes;  // as written
    std::string text;        // all the text inside, references resolved
    std::vector<Element> children;

    std::string Attribute(const std::string& name) const {
        const std::size_t at = (" " + attributes).find(" " + name + "=\"");
        const std::size_t from = at + name.size() + 2;
        return at == std::string::npos ? std::string() : attributes.substr(from, attributes.find('"', from) - from);
    }
    double Number(const std::string& name) const { return std::strtod(Attribute(name).c_str(), nullptr); }
    bool Is(const std::string& wanted, const std::string& kind = "") const {
        return tag == wanted &&
               (kind.empty() || (" " + Attribute("class") + " ").find(" " + kind + " ") != std::string::npos);
    }
    // Every element inside of that tag (and class), in document order.
    std::vector<const Element*> All(const std::string& wanted, const std::string& kind = "") const {
        std::vector<const Element*> found;
        for (const Element& child : children) {
            if (child.Is(wanted, kind)) {
                found.push_back(&child);
            }
            const std::vector<const Element*> deeper = child.All(wanted, kind);
            found.insert(found.end(), deeper.begin(), deeper.end());
        }
        return found;
    }
    // A table row's cells as "a|b|c".
    std::string Cells() const {
        std::string row;
        for (std::size_t k = 0; k < children.size(); ++k) {
            row += (k == 0 ? "" : "|") + children[k].text;
        }
        return row;
    }
};

// Property names are words; a length other than 0 has its unit (SVG's
// stroke width, flex factors and a line height in font sizes have none).
inline void ExpectCss(std::string css) {
    css = std::regex_replace(css, std::regex("\"[^\"]*\""), "\"\"");
    const std::regex declaration(R"(([^{};]*):([^{};]*)(?=[;}]))");
    const std::regex bareNumber(R"((^|[\s(,])-?(\d*\.)?\d+(?=[\s,);]|$))");
    for (std::sregex_iterator it(css.begin(), css.end(), declaration), end; it != end; ++it) {
        const std::string name = std::regex_replace((*it)[1].str(), std::regex(R"(^\s+|\s+$)"), "");
        const std::string value = (*it)[2].str();
        EXPECT_TRUE(std::regex_match(name, std::regex("[a-z-]+"))) << "property " << name;
        EXPECT_EQ(value.find('+'), std::string::npos) << name << ":" << value;
        std::smatch number;
        if (name != "stroke-width" && name != "flex" && name != "line-height" && std::regex_search(value, number, bareNumber)) {
            EXPECT_EQ(std::strtod(number.str().c_str(), nullptr), 0.0) << name << ":" << value;
        }
    }
}

inline Element ParseSheet(const std::string& html) {
    for (std::size_t k = 0; k < html.size();) {
        const int size = Utf8SequenceSize(html.data() + k, html.data() + html.size());
        if (size <= 0) {
            ADD_FAILURE() << "not UTF-8 at byte " << k;
            return Element();
        }
        k += static_cast<std::size_t>(size);
    }
    Element root;
    std::vector<Element*> open = {&root};
    const auto addText = [&open](const std::string& text) {
        for (Element* element : open) {
            element->text += text;
        }
    };
    static const std::vector<std::string> kVoid = {"meta", "col", "br", "line", "polygon"};
    static const std::vector<std::pair<std::string, std::string>> kReferences = {
        {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}};
    for (std::size_t k = 0; k < html.size();) {
        if (html.compare(k, 9, "<!DOCTYPE") == 0) {
            k = html.find('>', k) + 1;
        } else if (html.compare(k, 2, "</") == 0) {
            const std::size_t end = html.find('>', k);
            const std::string name = html.substr(k + 2, end - k - 2);
            if (open.size() < 2 || open.back()->tag != name) {
                ADD_FAILURE() << "</" << name << "> closes <" << open.back()->tag << "> at byte " << k;
                return root;
            }
            open.pop_back();
            k = end + 1;
        } else if (html[k] == '<') {
            std::size_t end = k + 1;
            while (end < html.size() && std::isalnum(static_cast<unsigned char>(html[end]))) {
                ++end;
            }
            const std::string name = html.substr(k + 1, end - k - 1);
            if (name.empty()) {
                ADD_FAILURE() << "a stray < at byte " << k << ": " << html.substr(k, 40);
                return root;
            }
            bool quoted = false;
            std::size_t close = end;
            for (; close < html.size() && (quoted || html[close] != '>'); ++close) {
                quoted = html[close] == '"' ? !quoted : quoted;
                if (html[close] == '<') {
                    ADD_FAILURE() << "a < inside <" << name << "> at byte " << close;
                    return root;
                }
            }
            Element element{name, html.substr(end, close - end), "", {}};
            if (!element.attributes.empty() && element.attributes.back() == '/') {
                element.attributes.pop_back();
            }
            const bool leaf = html[close - 1] == '/' ||
                              std::find(kVoid.begin(), kVoid.end(), name) != kVoid.end();
            open.back()->children.push_back(element);
            if (!leaf) {
                open.push_back(&open.back()->children.back());
            }
            k = close + 1;
            if (name == "style") {  // its text is CSS, not markup
                const std::size_t styleEnd = html.find("</style>", k);
                ExpectCss(html.substr(k, styleEnd - k));
                k = styleEnd;
            }
        } else if (html[k] == '&') {
            bool known = false;
            for (const auto& reference : kReferences) {
                if (html.compare(k, reference.first.size(), reference.first) == 0) {
                    addText(reference.second);
                    k += reference.first.size();
                    known = true;
                    break;
                }
            }
            if (!known) {
                ADD_FAILURE() << "a stray & at byte " << k << ": " << html.substr(k, 20);
                return root;
            }
        } else {
            const std::size_t next = html.find_first_of("<&", k);
            addText(html.substr(k, next - k));
            k = next == std::string::npos ? html.size() : next;
        }
    }
    EXPECT_EQ(open.size(), 1u) << "<" << open.back()->tag << "> is never closed";
    for (const Element* head : root.All("head")) {  // nothing but the title shows
        std::string text = head->text;
        text.erase(text.find(head->All("title")[0]->text), head->All("title")[0]->text.size());
        EXPECT_EQ(text.find_first_not_of(" \n"), std::string::npos) << head->text;
    }
    return root;
}

#endif
