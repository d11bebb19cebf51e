#include "platform/vcl/core/Strings.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/Filer.h"
#include "platform/vcl/core/StringList.h"
#include "platform/vcl/core/SysUtils.h"

const TClassInfo& TStrings::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TStrings>("TStrings").Build();
    return info;
}

int TStrings::Add(const std::string& S) {
    const int index = Count();
    Insert(index, S);
    return index;
}

int TStrings::AddObject(const std::string& S, TObject* AObject) {
    const int index = Add(S);
    PutObject(index, AObject);
    return index;
}

void TStrings::AddStrings(const TStrings& Strings) {
    BeginUpdate();
    for (int i = 0; i < Strings.Count(); ++i) AddObject(Strings.Get(i), Strings.GetObject(i));
    EndUpdate();
}

void TStrings::InsertObject(int Index, const std::string& S, TObject* AObject) {
    Insert(Index, S);
    PutObject(Index, AObject);
}

void TStrings::Put(int Index, const std::string& S) {
    TObject* object = GetObject(Index);
    Delete(Index);
    InsertObject(Index, S, object);
}

TObject* TStrings::GetObject(int) const {
    return nullptr;
}

void TStrings::PutObject(int, TObject*) {}

void TStrings::Exchange(int Index1, int Index2) {
    BeginUpdate();
    const std::string s1 = Get(Index1), s2 = Get(Index2);
    TObject* o1 = GetObject(Index1);
    TObject* o2 = GetObject(Index2);
    Put(Index1, s2);
    PutObject(Index1, o2);
    Put(Index2, s1);
    PutObject(Index2, o1);
    EndUpdate();
}

void TStrings::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    BeginUpdate();
    const std::string s = Get(CurIndex);
    TObject* object = GetObject(CurIndex);
    Delete(CurIndex);
    InsertObject(NewIndex, s, object);
    EndUpdate();
}

int TStrings::IndexOf(std::string_view S) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(Get(i), S)) return i;
    return -1;
}

int TStrings::IndexOfObject(const TObject* AObject) const {
    for (int i = 0; i < Count(); ++i)
        if (GetObject(i) == AObject) return i;
    return -1;
}

std::string TStrings::Names(int Index) const {
    const std::string& s = Get(Index);
    const auto pos = s.find(m_nameValueSeparator);
    return pos == std::string::npos ? std::string() : s.substr(0, pos);
}

std::string TStrings::ValueFromIndex(int Index) const {
    const std::string& s = Get(Index);
    const auto pos = s.find(m_nameValueSeparator);
    return pos == std::string::npos ? std::string() : s.substr(pos + 1);
}

int TStrings::IndexOfName(std::string_view Name) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string& s = Get(i);
        const auto pos = s.find(m_nameValueSeparator);
        if (pos != std::string::npos && SameText(std::string_view(s).substr(0, pos), Name))
            return i;
    }
    return -1;
}

std::string TStrings::Values(std::string_view Name) const {
    const int index = IndexOfName(Name);
    return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStrings::SetValues(std::string_view Name, const std::string& Value) {
    const int index = IndexOfName(Name);
    const std::string line = std::string(Name) + m_nameValueSeparator + Value;
    if (Value.empty()) {
        if (index >= 0) Delete(index);
    } else if (index >= 0) {
        Put(index, line);
    } else {
        Add(line);
    }
}

std::string TStrings::GetText() const {
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        text += Get(i);
        text += '\n';
    }
    return text;
}

void TStrings::SetText(std::string_view Value) {
    BeginUpdate();
    Clear();
    std::size_t pos = 0;
    while (pos < Value.size()) {
        std::size_t end = Value.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = Value.size();
        Add(std::string(Value.substr(pos, end - pos)));
        pos = end;
        if (pos < Value.size() && Value[pos] == '\r') ++pos;
        if (pos < Value.size() && Value[pos] == '\n') ++pos;
    }
    EndUpdate();
}

std::string TStrings::GetCommaText() const {
    if (Count() == 1 && Get(0).empty()) return "\"\"";
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        const std::string& s = Get(i);
        bool quote = false;
        for (char c : s)
            if (static_cast<unsigned char>(c) <= ' ' || c == ',' || c == '"') quote = true;
        if (i > 0) text += ',';
        if (!quote) {
            text += s;
            continue;
        }
        text += '"';
        for (char c : s) {
            if (c == '"') text += '"';
            text += c;
        }
        text += '"';
    }
    return text;
}

void TStrings::SetCommaText(std::string_view Value) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    BeginUpdate();
    Clear();
    std::size_t pos = 0;
    while (pos < Value.size() && blank(Value[pos])) ++pos;
    while (pos < Value.size()) {
        std::string item;
        if (Value[pos] == '"') {
            ++pos;
            while (pos < Value.size()) {
                if (Value[pos] == '"') {
                    if (pos + 1 < Value.size() && Value[pos + 1] == '"') {
                        item += '"';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                item += Value[pos++];
            }
        } else {
            while (pos < Value.size() && Value[pos] != ',' && !blank(Value[pos]))
                item += Value[pos++];
        }
        Add(item);
        while (pos < Value.size() && blank(Value[pos])) ++pos;
        if (pos < Value.size() && Value[pos] == ',') {
            // A trailing comma still stands for one more, empty, item.
            if (++pos == Value.size()) Add("");
            while (pos < Value.size() && blank(Value[pos])) ++pos;
        }
    }
    EndUpdate();
}

void TStrings::BeginUpdate() {
    if (m_updateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
    if (m_updateCount > 0 && --m_updateCount == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

bool TStrings::Equals(const TStrings& Strings) const {
    if (Count() != Strings.Count()) return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != Strings.Get(i)) return false;
    return true;
}

void TStrings::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TStrings*>(Source);
    if (!source) return TPersistent::Assign(Source);
    BeginUpdate();
    Clear();
    m_nameValueSeparator = source->m_nameValueSeparator;
    AddStrings(*source);
    EndUpdate();
}

void TStrings::DefineProperties(TFiler& Filer) {
    Filer.DefineProperty(
        "Strings",
        [this](const TFormValue& value) {
            if (value.Type != TFormValue::Kind::List)
                throw EReadError("expected a list of strings ( ... ), found " + value.Describe());
            BeginUpdate();
            Clear();
            for (const TFormValue& line : value.List) {
                if (line.Type != TFormValue::Kind::String) {
                    EndUpdate();
                    throw EReadError("expected a string in the list, found " + line.Describe());
                }
                Add(line.Text);
            }
            EndUpdate();
        },
        [this] {
            TFormValue list;
            list.Type = TFormValue::Kind::List;
            for (int i = 0; i < Count(); ++i) list.List.push_back(TFormValue::MakeString(Get(i)));
            return list;
        },
        Count() > 0);
}

void TStrings::Error(const std::string& Message, int Index) const {
    throw EStringListError(Message + " (" + IntToStr(Index) + ")");
}
