#pragma once
// The data-set actions: moving through, editing and saving the records of a data set. An
// action finds its data set through its own DataSource, or else through the data-aware
// control that has the focus (its ExecuteAction and UpdateAction hand the action its data
// source), and enables itself from the data set's state as the record navigator does.
#include "platform/vcl/actions/CustomAction.h"

class TDataSet;
class TDataSource;

class TDataSetAction : public TAction {
    QV_DECLARE_CLASS(TDataSetAction, TAction)

    explicit TDataSetAction(TComponent* AOwner);
    ~TDataSetAction() override;

    TDataSource* GetDataSource() const { return m_dataSource; }
    void SetDataSource(TDataSource* Value);
    // The data set of a target data source.
    static TDataSet* GetDataSet(TObject* Target);

    // A data source with a data set: the action's own, or any when it has none.
    bool HandlesTarget(TObject* Target) override;
    void UpdateTarget(TObject* Target) override;

protected:
    // Whether the action can act on the data set now.
    virtual bool CanAct(TDataSet* DataSet) const = 0;
    bool ExecuteOnTargets() override;
    bool UpdateOnTargets() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TDataSource* m_dataSource = nullptr;
};

#define QV_DATASET_ACTION(Class)                       \
    class Class : public TDataSetAction {              \
        QV_DECLARE_CLASS(Class, TDataSetAction)        \
        explicit Class(TComponent* AOwner);            \
        void ExecuteTarget(TObject* Target) override;  \
                                                       \
    protected:                                         \
        bool CanAct(TDataSet* DataSet) const override; \
    };

QV_DATASET_ACTION(TDataSetFirst)
QV_DATASET_ACTION(TDataSetPrior)
QV_DATASET_ACTION(TDataSetNext)
QV_DATASET_ACTION(TDataSetLast)
QV_DATASET_ACTION(TDataSetInsert)
QV_DATASET_ACTION(TDataSetDelete)
QV_DATASET_ACTION(TDataSetEdit)
QV_DATASET_ACTION(TDataSetPost)
QV_DATASET_ACTION(TDataSetCancel)
QV_DATASET_ACTION(TDataSetRefresh)
#undef QV_DATASET_ACTION

void RegisterDataSetActionClasses();
