#include "platform/vcl/core/Persistent.h"

#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/Filer.h"
#include "platform/vcl/core/SysUtils.h"

const TClassInfo& TObject::StaticClassInfo() {
    static const TClassInfo info("TObject", nullptr);
    return info;
}

const std::string& TObject::ClassName() const {
    return ClassInfo().Name();
}

bool TObject::InheritsFrom(const TClassInfo& other) const {
    return ClassInfo().InheritsFrom(other);
}

const TClassInfo& TPersistent::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TPersistent>("TPersistent").Build();
    return info;
}

void TPersistent::Assign(const TPersistent* Source) {
    if (Source)
        Source->AssignTo(*this);
    else
        AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent& Dest) const {
    Dest.AssignError(this);
}

void TPersistent::AssignError(const TPersistent* Source) const {
    const std::string source = Source ? Source->ClassName() : std::string("nil");
    throw EConvertError("Cannot assign a " + source + " to a " + ClassName());
}

void TPersistent::DefineProperties(TFiler&) {}

std::string TPersistent::GetNamePath() const {
    return ClassName();
}

void TFiler::DefineBinaryProperty(const std::string& name,
                                  const std::function<void(std::span<const std::uint8_t>)>& read,
                                  const std::function<std::vector<std::uint8_t>()>& write,
                                  bool hasData) {
    DefineProperty(
        name,
        [read, name](const TFormValue& value) {
            if (value.Type != TFormValue::Kind::Binary)
                throw EReadError("expected binary data { ... } for " + name + ", found " +
                                 value.Describe());
            read(value.Bytes);
        },
        [write] { return TFormValue::MakeBinary(write()); }, hasData);
}
