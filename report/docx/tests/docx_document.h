// The parts of a Word sheet read back as Word reads them: a small XML
// parser that fails the test where a part is not well-formed XML 1.0
// (bytes not UTF-8, a character XML forbids, tags left open or crossed, a
// stray < or &, an attribute not quoted), and elements to look things up in.
#ifndef BRACING_REPORT_DOCX_TESTS_DOCX_DOCUMENT_H
#define BRACING_REPORT_DOCX_TESTS_DOCX_DOCUMENT_H

#include "io/utf8_sequence.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

struct XmlElement {
    std::string tag;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::string text;  // its own character data, references resolved
    std::vector<XmlElement> children;

    std::string Attribute(const std::string& name) const {
        for (const auto& attribute : attributes) {
            if (attribute.first == name) {
                return attribute.second;
            }
        }
        return std::string();
    }
    // Every element inside of that tag, in document order.
    std::vector<const XmlElement*> All(const std::string& wanted) const {
        std::vector<const XmlElement*> found;
        for (const XmlElement& child : children) {
            if (child.tag == wanted) {
                found.push_back(&child);
            }
            const auto deeper = child.All(wanted);
            found.insert(found.end(), deeper.begin(), deeper.end());
        }
        return found;
    }
    bool Has(const std::string& wanted) const { return !All(wanted).empty(); }
    // The text of its runs.
    std::string Text() const {
        std::string all = tag == "w:t" ? text : std::string();
        for (const XmlElement& child : children) {
            all += child.Text();
        }
        return all;
    }
    // A table row's cells as "a|b|c".
    std::string Cells() const {
        std::string row;
        bool first = true;
        for (const XmlElement& cell : children) {
            if (cell.tag == "w:tc") {
                row += (first ? "" : "|") + cell.Text();
                first = false;
            }
        }
        return row;
    }
};

class XmlReader {
public:
    explicit XmlReader(const std::string& xml) : xml_(xml) {}

    XmlElement Document() {
        if (xml_.compare(0, 5, "<?xml") == 0) {
            at_ = xml_.find("?>") + 2;
        }
        Skip();
        XmlElement root;
        if (!Peek('<')) {
            ADD_FAILURE() << "no root element";
            return root;
        }
        Element(root);
        Skip();
        EXPECT_EQ(at_, xml_.size()) << "after the root element";
        return root;
    }

private:
    bool Peek(char c) const { return at_ < xml_.size() && xml_[at_] == c; }
    void Skip() {
        while (at_ < xml_.size() && (xml_[at_] == ' ' || xml_[at_] == '\n' || xml_[at_] == '\r' || xml_[at_] == '\t')) {
            ++at_;
        }
    }
    std::string Name() {
        const std::size_t from = at_;
        while (at_ < xml_.size() && std::string(" \t\r\n/>=\"'<&").find(xml_[at_]) == std::string::npos) {
            ++at_;
        }
        EXPECT_GT(at_, from) << "a name at byte " << from;
        return xml_.substr(from, at_ - from);
    }
    // Character data up to `end`, references resolved.
    std::string CharacterData(const std::string& end) {
        std::string data;
        while (at_ < xml_.size() && end.find(xml_[at_]) == std::string::npos) {
            if (xml_[at_] == '&') {
                const std::size_t semicolon = xml_.find(';', at_);
                const std::string name = xml_.substr(at_ + 1, semicolon - at_ - 1);
                const char* const named[][2] = {{"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}};
                bool known = false;
                for (const auto& n : named) {
                    known = known || (name == n[0] && (data += n[1], true));
                }
                EXPECT_TRUE(known) << "&" << name << "; at byte " << at_;
                at_ = semicolon + 1;
                continue;
            }
            const int size = Utf8SequenceSize(xml_.data() + at_, xml_.data() + xml_.size());
            if (size <= 0) {
                ADD_FAILURE() << "not UTF-8 at byte " << at_;
                return data;
            }
            const std::string character = xml_.substr(at_, static_cast<std::size_t>(size));
            const unsigned char lead = static_cast<unsigned char>(character[0]);
            EXPECT_FALSE((lead < 0x20 && lead != '\t' && lead != '\n' && lead != '\r') || character == "\uFFFE" ||
                         character == "\uFFFF")
                << "a character XML forbids at byte " << at_;
            data += character;
            at_ += static_cast<std::size_t>(size);
        }
        return data;
    }
    void Element(XmlElement& element) {
        ++at_;  // <
        element.tag = Name();
        for (Skip(); at_ < xml_.size() && !Peek('/') && !Peek('>'); Skip()) {
            const std::string name = Name();
            Skip();
            const char quote = at_ + 1 < xml_.size() ? xml_[at_ + 1] : 0;
            EXPECT_TRUE(Peek('=') && (quote == '"' || quote == '\'')) << element.tag << " " << name;
            at_ += 2;
            element.attributes.emplace_back(name, CharacterData(std::string(1, quote) + "<"));
            ++at_;
        }
        if (Peek('/')) {
            at_ += 2;  // />
            return;
        }
        ++at_;  // >
        while (at_ < xml_.size()) {
            element.text += CharacterData("<");
            if (xml_.compare(at_, 2, "</") == 0) {
                at_ += 2;
                EXPECT_EQ(Name(), element.tag) << "closed by another tag";
                ++at_;
                return;
            }
            if (at_ < xml_.size()) {
                element.children.emplace_back();
                Element(element.children.back());
            }
        }
        ADD_FAILURE() << element.tag << " is never closed";
    }

    const std::string& xml_;
    std::size_t at_ = 0;
};

inline XmlElement ParseXml(const std::string& xml) { return XmlReader(xml).Document(); }

#endif
