#include "platform/db/actions/DBActns.h"

#include "platform/db/DataSet.h"
#include "platform/db/DataSource.h"
#include "platform/vcl/core/ClassBuilder.h"

namespace {

bool Editing(const TDataSet* DataSet) {
    return DataSet->GetState() == dsEdit || DataSet->GetState() == dsInsert;
}

bool Modifiable(const TDataSet* DataSet) {
    return DataSet->GetActive() && DataSet->GetCanModify();
}

}  // namespace

const TClassInfo& TDataSetAction::StaticClassInfo() {
    using C = TDataSetAction;
    static const TClassInfo info =
        TClassBuilder<C>("TDataSetAction")
            .Reference("DataSource", &C::GetDataSource, &C::SetDataSource)
            .Build();
    return info;
}

TDataSetAction::TDataSetAction(TComponent* AOwner) : TAction(AOwner) {}

TDataSetAction::~TDataSetAction() {
    SetDataSource(nullptr);
}

void TDataSetAction::SetDataSource(TDataSource* Value) {
    if (Value == m_dataSource) return;
    if (m_dataSource) m_dataSource->RemoveFreeNotification(this);
    m_dataSource = Value;
    if (m_dataSource) m_dataSource->FreeNotification(this);
}

TDataSet* TDataSetAction::GetDataSet(TObject* Target) {
    auto* source = dynamic_cast<TDataSource*>(Target);
    return source ? source->GetDataSet() : nullptr;
}

bool TDataSetAction::HandlesTarget(TObject* Target) {
    auto* source = dynamic_cast<TDataSource*>(Target);
    return source && source->GetDataSet() && (!m_dataSource || source == m_dataSource);
}

void TDataSetAction::UpdateTarget(TObject* Target) {
    SetEnabled(CanAct(GetDataSet(Target)));
}

bool TDataSetAction::ExecuteOnTargets() {
    if (m_dataSource && HandlesTarget(m_dataSource)) {
        ExecuteTarget(m_dataSource);
        return true;
    }
    return TAction::ExecuteOnTargets();
}

bool TDataSetAction::UpdateOnTargets() {
    if (m_dataSource && HandlesTarget(m_dataSource)) {
        UpdateTarget(m_dataSource);
        return true;
    }
    return TAction::UpdateOnTargets();
}

void TDataSetAction::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_dataSource) m_dataSource = nullptr;
}

#define QV_DATASET_ACTION_CLASS(Class, Caption, Hint, Do, When)              \
    const TClassInfo& Class::StaticClassInfo() {                             \
        static const TClassInfo info = TClassBuilder<Class>(#Class).Build(); \
        return info;                                                         \
    }                                                                        \
    Class::Class(TComponent* AOwner) : TDataSetAction(AOwner) {              \
        SetCaption(Caption);                                                 \
        SetHint(Hint);                                                       \
    }                                                                        \
    void Class::ExecuteTarget(TObject* Target) {                             \
        TDataSet* DataSet = GetDataSet(Target);                              \
        Do;                                                                  \
    }                                                                        \
    bool Class::CanAct(TDataSet* DataSet) const {                            \
        return When;                                                         \
    }

QV_DATASET_ACTION_CLASS(TDataSetFirst, "&First", "First record", DataSet->First(),
                        DataSet->GetActive() && !DataSet->GetBOF())
QV_DATASET_ACTION_CLASS(TDataSetPrior, "&Prior", "Prior record", DataSet->Prior(),
                        DataSet->GetActive() && !DataSet->GetBOF())
QV_DATASET_ACTION_CLASS(TDataSetNext, "&Next", "Next record", DataSet->Next(),
                        DataSet->GetActive() && !DataSet->GetEOF())
QV_DATASET_ACTION_CLASS(TDataSetLast, "&Last", "Last record", DataSet->Last(),
                        DataSet->GetActive() && !DataSet->GetEOF())
QV_DATASET_ACTION_CLASS(TDataSetInsert, "&Insert", "Insert record", DataSet->Insert(),
                        Modifiable(DataSet))
QV_DATASET_ACTION_CLASS(TDataSetDelete, "&Delete", "Delete record", DataSet->Delete(),
                        Modifiable(DataSet) && !(DataSet->GetBOF() && DataSet->GetEOF()))
QV_DATASET_ACTION_CLASS(TDataSetEdit, "&Edit", "Edit record", DataSet->Edit(),
                        Modifiable(DataSet) && !Editing(DataSet))
QV_DATASET_ACTION_CLASS(TDataSetPost, "P&ost", "Post edit", DataSet->Post(),
                        Modifiable(DataSet) && Editing(DataSet))
QV_DATASET_ACTION_CLASS(TDataSetCancel, "&Cancel", "Cancel edit", DataSet->Cancel(),
                        Modifiable(DataSet) && Editing(DataSet))
QV_DATASET_ACTION_CLASS(TDataSetRefresh, "&Refresh", "Refresh data", DataSet->Refresh(),
                        Modifiable(DataSet))

void RegisterDataSetActionClasses() {
    RegisterClassesOf<TDataSetFirst, TDataSetPrior, TDataSetNext, TDataSetLast, TDataSetInsert,
                      TDataSetDelete, TDataSetEdit, TDataSetPost, TDataSetCancel,
                      TDataSetRefresh>();
}
