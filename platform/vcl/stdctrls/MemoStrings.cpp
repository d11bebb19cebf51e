// TMemoStrings: lines over a memo's text.
#include "platform/vcl/stdctrls/MemoStrings.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/stdctrls/CustomEdit.h"

const TClassInfo& TMemoStrings::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TMemoStrings>("TMemoStrings").Build();
    return info;
}

const std::vector<std::string>& TMemoStrings::Lines() const {
    const std::string text = m_memo ? m_memo->GetText() : std::string();
    if (m_split && text == m_source) return m_lines;
    m_source = text;
    m_lines.clear();
    // A line break at the very end opens a line the memo shows but that holds nothing yet;
    // like the native memo's lines, it is not counted.
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        m_lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    m_split = true;
    return m_lines;
}

void TMemoStrings::Store(const std::vector<std::string>& Lines) {
    std::string text;
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += Lines[i];
    }
    if (m_memo) m_memo->SetText(text);
}

int TMemoStrings::Count() const {
    return static_cast<int>(Lines().size());
}

const std::string& TMemoStrings::Get(int Index) const {
    const std::vector<std::string>& lines = Lines();
    if (Index < 0 || Index >= static_cast<int>(lines.size()))
        Error("List index out of bounds", Index);
    return lines[Index];
}

void TMemoStrings::Put(int Index, const std::string& S) {
    std::vector<std::string> lines = Lines();
    if (Index < 0 || Index >= static_cast<int>(lines.size()))
        Error("List index out of bounds", Index);
    lines[Index] = S;
    Store(lines);
}

void TMemoStrings::Insert(int Index, const std::string& S) {
    std::vector<std::string> lines = Lines();
    if (Index < 0 || Index > static_cast<int>(lines.size()))
        Error("List index out of bounds", Index);
    lines.insert(lines.begin() + Index, S);
    Store(lines);
}

void TMemoStrings::Delete(int Index) {
    std::vector<std::string> lines = Lines();
    if (Index < 0 || Index >= static_cast<int>(lines.size()))
        Error("List index out of bounds", Index);
    lines.erase(lines.begin() + Index);
    Store(lines);
}

void TMemoStrings::Clear() {
    if (m_memo) m_memo->SetText("");
}
