#include "platform/vcl/streaming/FormWriter.h"

#include <cstdio>

#include "platform/vcl/core/Collection.h"
#include "platform/vcl/core/Component.h"
#include "platform/vcl/core/Event.h"
#include "platform/vcl/core/Filer.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/vcl/core/TypInfo.h"

namespace {

std::string Indent(int level) {
    return std::string(static_cast<std::size_t>(level) * 2, ' ');
}

// Writes what DefineProperties says has data.
class WriterFiler : public TFiler {
public:
    explicit WriterFiler(std::function<void(const std::string&, const TFormValue&)> emit)
        : m_emit(std::move(emit)) {}
    void DefineProperty(const std::string& name, const ReadProc&, const WriteProc& write,
                        bool hasData) override {
        if (hasData) m_emit(name, write());
    }

private:
    std::function<void(const std::string&, const TFormValue&)> m_emit;
};

void NewLine(std::string& text, int level, const char* before = "") {
    text += before;
    text += '\n';
    text.append(static_cast<std::size_t>(level) * 2, ' ');
}

}  // namespace

std::string TFormWriter::QuoteString(const std::string& text) {
    if (text.empty()) return "''";
    std::string result;
    bool quoted = false;
    for (char c : text) {
        if (static_cast<unsigned char>(c) < ' ') {
            if (quoted) result += '\'';
            quoted = false;
            result += '#' + IntToStr(static_cast<unsigned char>(c));
            continue;
        }
        if (!quoted) result += '\'';
        quoted = true;
        result += c;
        if (c == '\'') result += '\'';
    }
    if (quoted) result += '\'';
    return result;
}

std::string TFormWriter::FormatValue(const TFormValue& value, int indent) {
    using Kind = TFormValue::Kind;
    switch (value.Type) {
        case Kind::Integer:
            return IntToStr(value.Integer);
        case Kind::Float: {
            std::string text = FloatToStr(value.Float);
            // A float that prints like an integer still reads back as one, so mark it.
            if (text.find_first_of(".eE") == std::string::npos &&
                text.find_first_of("0123456789") != std::string::npos)
                text += ".0";
            return text;
        }
        case Kind::String: {
            // Long strings are split into parts joined by '+' across lines.
            constexpr std::size_t part = 64;
            if (value.Text.size() <= part) return QuoteString(value.Text);
            std::string result;
            for (std::size_t pos = 0; pos < value.Text.size(); pos += part) {
                if (pos > 0) NewLine(result, indent + 1, " +");
                result += QuoteString(value.Text.substr(pos, part));
            }
            return result;
        }
        case Kind::Ident:
            return value.Text;
        case Kind::Set: {
            std::string result = "[";
            for (std::size_t i = 0; i < value.Elements.size(); ++i) {
                if (i) result += ", ";
                result += value.Elements[i];
            }
            return result + "]";
        }
        case Kind::List: {
            std::string result = "(";
            for (const TFormValue& v : value.List) {
                NewLine(result, indent + 1);
                result += FormatValue(v, indent + 1);
            }
            return result + ")";
        }
        case Kind::Collection: {
            std::string result = "<";
            for (const TFormItem& item : value.Items) {
                NewLine(result, indent + 1);
                result += "item";
                for (const TFormProperty& p : item.Properties) {
                    NewLine(result, indent + 2);
                    result += p.Name;
                    result += " = ";
                    result += FormatValue(p.Value, indent + 2);
                }
                NewLine(result, indent + 1);
                result += "end";
            }
            return result + ">";
        }
        case Kind::Binary: {
            std::string result = "{";
            char hex[3];
            for (std::size_t i = 0; i < value.Bytes.size(); ++i) {
                if (i % 32 == 0) NewLine(result, indent + 1);
                std::snprintf(hex, sizeof hex, "%02X", value.Bytes[i]);
                result += hex;
            }
            return result + "}";
        }
    }
    return {};
}

std::string TFormWriter::WriteDescription(TComponent& Root) {
    m_root = &Root;
    m_text.clear();
    WriteObject(Root, 0);
    return m_text;
}

void TFormWriter::WriteObject(TComponent& component, int indent) {
    component.SetComponentStateFlag(csWriting, true);
    try {
        m_text += Indent(indent) + "object ";
        if (!component.GetName().empty()) m_text += component.GetName() + ": ";
        m_text += component.ClassName() + "\n";
        std::vector<TFormProperty> properties;
        CollectProperties(component, "", properties);
        for (const TFormProperty& p : properties)
            m_text += Indent(indent + 1) + p.Name + " = " + FormatValue(p.Value, indent + 1) + "\n";
        component.GetChildren([&](TComponent* child) { WriteObject(*child, indent + 1); }, m_root);
        m_text += Indent(indent) + "end\n";
    } catch (...) {
        component.SetComponentStateFlag(csWriting, false);
        throw;
    }
    component.SetComponentStateFlag(csWriting, false);
}

void TFormWriter::CollectProperties(TPersistent& instance, const std::string& prefix,
                                    std::vector<TFormProperty>& out) const {
    for (const TPropInfo* info : instance.ClassInfo().Properties())
        if (info->Published) CollectProperty(instance, *info, prefix, out);
    WriterFiler filer([&](const std::string& name, const TFormValue& value) {
        out.push_back({prefix + name, 0, value});
    });
    instance.DefineProperties(filer);
}

std::string TFormWriter::ReferenceName(TComponent* component) const {
    if (component == m_root || component->Owner() == m_root || !component->Owner())
        return component->GetName();
    return component->Owner()->GetName() + "." + component->GetName();
}

void TFormWriter::CollectProperty(TPersistent& instance, const TPropInfo& info,
                                  const std::string& prefix,
                                  std::vector<TFormProperty>& out) const {
    const std::string name = prefix + info.Name;
    if (info.Kind == TPropKind::Persistent) {
        if (info.StoredFn && !info.StoredFn(instance)) return;
        auto* object = dynamic_cast<TPersistent*>(info.GetObject(instance));
        if (!object) return;
        auto* collection = dynamic_cast<TCollection*>(object);
        if (!collection) return CollectProperties(*object, name + ".", out);
        if (collection->Count() == 0) return;
        TFormValue value;
        value.Type = TFormValue::Kind::Collection;
        for (int i = 0; i < collection->Count(); ++i) {
            TFormItem item;
            CollectProperties(*collection->Items(i), "", item.Properties);
            value.Items.push_back(std::move(item));
        }
        out.push_back({name, 0, std::move(value)});
        return;
    }
    if (!info.IsStored(instance)) return;
    TFormValue value;
    switch (info.Kind) {
        case TPropKind::Integer: {
            const std::int64_t v = info.GetOrd(instance);
            const std::string* ident = info.Idents ? IntToIdent(*info.Idents, v) : nullptr;
            value = ident ? TFormValue::MakeIdent(*ident) : TFormValue::MakeInteger(v);
            break;
        }
        case TPropKind::Boolean:
            value = TFormValue::MakeIdent(info.GetOrd(instance) ? "True" : "False");
            break;
        case TPropKind::Enumeration:
            value = TFormValue::MakeIdent(info.Enum->NameOf(info.GetOrd(instance)));
            break;
        case TPropKind::Set: {
            value.Type = TFormValue::Kind::Set;
            const std::int64_t mask = info.GetOrd(instance);
            for (std::size_t i = 0; i < info.Enum->Values.size() && i < 64; ++i)
                if (mask & (std::int64_t{1} << i)) value.Elements.push_back(info.Enum->Values[i]);
            break;
        }
        case TPropKind::Color: {
            const auto color = static_cast<std::int32_t>(info.GetOrd(instance));
            const std::string* ident = IntToIdent(ColorIdents(), color);
            value = ident ? TFormValue::MakeIdent(*ident) : TFormValue::MakeInteger(color);
            break;
        }
        case TPropKind::String:
            value = TFormValue::MakeString(info.GetStr(instance));
            break;
        case TPropKind::Float:
            value = TFormValue::MakeFloat(info.GetFloat(instance));
            break;
        case TPropKind::Reference: {
            auto* component = dynamic_cast<TComponent*>(info.GetObject(instance));
            if (!component || component->GetName().empty()) return;
            value = TFormValue::MakeIdent(ReferenceName(component));
            break;
        }
        case TPropKind::Event:
            value = TFormValue::MakeIdent(info.GetEvent(instance).HandlerName());
            break;
        case TPropKind::Persistent:
            return;
    }
    out.push_back({name, 0, std::move(value)});
}
