#include "platform/db/controls/NavigateBtn.h"

const TEnumInfo& NavigateBtnInfo() {
    static const TEnumInfo info{"TNavigateBtn",
                                {"nbFirst", "nbPrior", "nbNext", "nbLast", "nbInsert", "nbDelete",
                                 "nbEdit", "nbPost", "nbCancel", "nbRefresh"}};
    return info;
}
