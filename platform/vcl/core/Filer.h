#pragma once
// What a persistent object is given in DefineProperties: a way to stream values that are
// not published properties (the lines of a string list, a picture's bytes, "SkinData").
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "platform/vcl/core/FormValue.h"

class TFiler {
public:
    virtual ~TFiler() = default;

    using ReadProc = std::function<void(const TFormValue&)>;
    using WriteProc = std::function<TFormValue()>;
    // hasData: whether the writer should write the property at all.
    virtual void DefineProperty(const std::string& name, const ReadProc& read,
                                const WriteProc& write, bool hasData) = 0;

    void DefineBinaryProperty(const std::string& name,
                              const std::function<void(std::span<const std::uint8_t>)>& read,
                              const std::function<std::vector<std::uint8_t>()>& write,
                              bool hasData);
};
