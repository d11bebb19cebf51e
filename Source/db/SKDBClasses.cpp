#include "Source/db/SKDBClasses.h"

#include "Source/SkinClasses.h"
#include "Source/db/SKDBCtrls.h"

void RegisterSkinDBClasses() {
    RegisterSkinClasses();
    RegisterDBEditClasses();
    RegisterDBListClasses();
    RegisterDBCheckClasses();
    RegisterSKDBCombosClasses();
    RegisterSKDBGridClasses();
    RegisterSKDBNavigatorClasses();
}
