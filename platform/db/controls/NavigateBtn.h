#pragma once
// The buttons of a record navigator, as the VCL names them, and the event a navigator
// raises for one: what a navigator control (the skin library's) is built from.
#include <cstdint>

#include "platform/vcl/core/ClassInfo.h"
#include "platform/vcl/core/Event.h"

enum TNavigateBtn { nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel, nbRefresh };
// A set of buttons: bit n stands for TNavigateBtn n, as the set streams.
using TButtonSet = unsigned;
constexpr TButtonSet NavigateButton(TNavigateBtn Button) {
    return 1u << static_cast<unsigned>(Button);
}
constexpr TButtonSet kAllNavigateButtons = (1u << (nbRefresh + 1)) - 1;

using ENavClick = TEvent<void(TObject* Sender, TNavigateBtn Button)>;

// The names of the buttons for form descriptions ("nbFirst" ... "nbRefresh").
const TEnumInfo& NavigateBtnInfo();
