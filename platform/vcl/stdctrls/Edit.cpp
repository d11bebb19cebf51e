// TEdit's published properties.
#include "platform/vcl/stdctrls/Edit.h"

#include "platform/vcl/core/ClassBuilder.h"

const TClassInfo& TEdit::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TEdit>("TEdit")
                                       .Publish("AutoSelect")
                                       .Publish("BorderStyle")
                                       .Publish("CharCase")
                                       .Publish("Ctl3D")
                                       .Publish("HideSelection")
                                       .Publish("MaxLength")
                                       .Publish("PasswordChar")
                                       .Publish("ReadOnly")
                                       .Publish("Text")
                                       .Publish("OnChange")
                                       .Build();
    return info;
}
