#include "platform/db/Variant.h"

#include "platform/vcl/core/SysUtils.h"

std::string Variant::ToString() const {
    if (IsInteger()) return IntToStr(Integer());
    if (IsFloat()) return FloatToStr(Float());
    if (IsString()) return String();
    return {};
}
