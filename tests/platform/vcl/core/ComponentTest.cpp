#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/core/SysUtils.h"
#include "tests/platform/vcl/TestComponents.h"

namespace {

bool Logged(const std::vector<std::string>& log, const std::string& entry) {
    return std::find(log.begin(), log.end(), entry) != log.end();
}

// An owner with three logging components a, b and c.
struct Family {
    std::vector<std::string> log;
    std::unique_ptr<TComponent> owner = std::make_unique<TComponent>(nullptr);
    TLoggingComponent* a = Make("a");
    TLoggingComponent* b = Make("b");
    TLoggingComponent* c = Make("c");

    TLoggingComponent* Make(const std::string& name) {
        auto* component = new TLoggingComponent(owner.get(), &log);
        component->SetName(name);
        return component;
    }
};

TEST(ComponentOwnership, OwnerFreesWhatItOwnsLastFirst) {
    Family f;
    f.log.clear();
    f.owner.reset();
    const std::vector<std::string> freed = [&] {
        std::vector<std::string> v;
        for (const auto& e : f.log)
            if (e.rfind("free ", 0) == 0) v.push_back(e);
        return v;
    }();
    EXPECT_EQ(freed, (std::vector<std::string>{"free c", "free b", "free a"}));
    // Those still alive hear of each removal.
    EXPECT_TRUE(Logged(f.log, "a remove c"));
    EXPECT_TRUE(Logged(f.log, "a remove b"));
}

TEST(ComponentOwnership, ComponentFreedFirstLeavesItsOwnerAndTellsTheOthers) {
    Family f;
    f.log.clear();
    delete f.b;
    EXPECT_EQ(f.owner->ComponentCount(), 2);
    EXPECT_EQ(f.owner->FindComponent("b"), nullptr);
    EXPECT_EQ(f.c->ComponentIndex(), 1);
    EXPECT_EQ(f.log, (std::vector<std::string>{"free b", "a remove b", "c remove b"}));
}

TEST(ComponentOwnership, InsertTellsEveryComponentOfTheOwner) {
    Family f;
    f.log.clear();
    auto* d = new TLoggingComponent(nullptr, &f.log);
    d->SetName("d");
    f.owner->InsertComponent(d);
    EXPECT_EQ(d->Owner(), f.owner.get());
    EXPECT_TRUE(Logged(f.log, "a insert d"));
    EXPECT_TRUE(Logged(f.log, "c insert d"));
    EXPECT_EQ(f.owner->FindComponent("D"), d);  // names compare without case
}

TEST(ComponentOwnership, FreeNotificationAcrossOwners) {
    struct Case {
        const char* what;
        bool freeOwner;  // free the partner's owner instead of the partner
    };
    for (const Case& c : {Case{"partner freed", false}, Case{"partner's owner freed", true}}) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> log;
        auto owner1 = std::make_unique<TComponent>(nullptr);
        auto owner2 = std::make_unique<TComponent>(nullptr);
        auto* watcher = new TLoggingComponent(owner1.get(), &log);
        watcher->SetName("watcher");
        auto* partner = new TLoggingComponent(owner2.get(), &log);
        partner->SetName("partner");
        watcher->SetPartner(partner);
        if (c.freeOwner)
            owner2.reset();
        else
            delete partner;
        EXPECT_EQ(watcher->Partner, nullptr);
        EXPECT_TRUE(Logged(log, "watcher remove partner"));
    }
}

TEST(ComponentOwnership, RemovedOrFreedWatcherIsNotToldAnyMore) {
    std::vector<std::string> log;
    TComponent owner1(nullptr), owner2(nullptr);
    auto* watcher = new TLoggingComponent(&owner1, &log);
    watcher->SetName("watcher");
    auto* partner = new TLoggingComponent(&owner2, &log);
    partner->SetName("partner");
    watcher->SetPartner(partner);
    watcher->RemoveFreeNotification(partner);
    delete partner;
    EXPECT_FALSE(Logged(log, "watcher remove partner"));

    // The other way round: a watcher freed first must not be told later.
    auto* partner2 = new TLoggingComponent(&owner2, &log);
    partner2->SetName("partner2");
    watcher->SetPartner(partner2);
    delete watcher;
    log.clear();
    delete partner2;
    EXPECT_EQ(log, (std::vector<std::string>{"free partner2"}));
}

TEST(ComponentNames, BadOrTakenNamesAreRefused) {
    Family f;
    EXPECT_THROW(f.c->SetName("A"), EComponentError);
    EXPECT_THROW(f.c->SetName("1abc"), EComponentError);
    EXPECT_THROW(f.c->SetName("has space"), EComponentError);
    EXPECT_EQ(f.c->GetName(), "c");
    f.c->SetName("");  // unnamed components are allowed
    f.c->SetName("c_2");
    EXPECT_EQ(f.owner->FindComponent("c_2"), f.c);
}

TEST(ComponentGuard, TellsWhetherAHandlerFreedItsSender) {
    Family f;
    TTestWidget* button = new TTestWidget(f.owner.get());
    button->OnClick = [](TObject* sender) { delete static_cast<TComponent*>(sender); };
    TComponentGuard guard(button);
    button->OnClick(button);
    EXPECT_FALSE(guard.Exists());
    EXPECT_EQ(f.owner->ComponentCount(), 3);

    TComponentGuard kept(f.a);
    EXPECT_TRUE(kept.Exists());
}

}  // namespace
