#include "platform/db/DBClasses.h"

#include "platform/db/DataSource.h"
#include "platform/db/Fields.h"
#include "platform/db/controls/DBComboBox.h"
#include "platform/db/controls/DBEdit.h"
#include "platform/db/controls/DBGrid.h"
#include "platform/db/controls/DBImage.h"
#include "platform/db/controls/DBListBox.h"
#include "platform/db/controls/DBLookup.h"
#include "platform/db/controls/DBMemo.h"
#include "platform/db/sqlite/SQLiteDataSet.h"
#include "platform/db/sqlite/SQLiteDatabase.h"
#include "platform/vcl/core/ClassInfo.h"

void RegisterDBClasses() {
    RegisterClasses({&TDataSource::StaticClassInfo(), &TSQLiteDatabase::StaticClassInfo(),
                     &TSQLiteTable::StaticClassInfo(), &TSQLiteQuery::StaticClassInfo(),
                     &TStringField::StaticClassInfo(), &TIntegerField::StaticClassInfo(),
                     &TLargeintField::StaticClassInfo(), &TFloatField::StaticClassInfo(),
                     &TBooleanField::StaticClassInfo(), &TMemoField::StaticClassInfo(),
                     &TBlobField::StaticClassInfo(), &TGraphicField::StaticClassInfo(),
                     &TDBEdit::StaticClassInfo(), &TDBMemo::StaticClassInfo(),
                     &TDBImage::StaticClassInfo(), &TDBListBox::StaticClassInfo(),
                     &TDBComboBox::StaticClassInfo(), &TDBLookupListBox::StaticClassInfo(),
                     &TDBLookupComboBox::StaticClassInfo(), &TDBGrid::StaticClassInfo(),
                     &TColumn::StaticClassInfo()});
}
