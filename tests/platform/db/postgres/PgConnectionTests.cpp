// Connecting: the parts of an address, where the password comes from, and what a failure says.
#include <sys/stat.h>

#include <filesystem>

#include "PgTestFixture.h"

namespace pgtest {

enum class PasswordFrom { Nowhere, Prompt, WrongPrompt, PasswordFile };

struct LoginCase {
    const char* Name;
    PasswordFrom From;
    bool Connects;
};

void PrintTo(const LoginCase& c, std::ostream* os) {
    *os << c.Name;
}

const LoginCase kLoginCases[] = {
    {"no password", PasswordFrom::Nowhere, false},
    {"login prompt", PasswordFrom::Prompt, true},
    {"wrong password", PasswordFrom::WrongPrompt, false},
    {"password file", PasswordFrom::PasswordFile, true},
};

class PgLoginTest : public ::testing::TestWithParam<LoginCase> {
protected:
    void TearDown() override {
        unsetenv("PGPASSFILE");
        if (!passFile.empty()) std::filesystem::remove(passFile);
    }
    std::string passFile;
};

TEST_P(PgLoginTest, ThePasswordComesFromWhereTheConnectionAllows) {
    const LoginCase& c = GetParam();
    // Nothing from the environment may supply it unasked.
    unsetenv("PGPASSWORD");
    passFile = (std::filesystem::temp_directory_path() / ("qv-pgpass-" + std::to_string(getpid()))).string();
    {
        std::ofstream out(passFile);
        if (c.From == PasswordFrom::PasswordFile)
            out << "127.0.0.1:" << ServerSetting("PORT") << ":*:qv:" << ServerSetting("PASSWORD") << "\n";
    }
    chmod(passFile.c_str(), 0600);
    setenv("PGPASSFILE", passFile.c_str(), 1);

    TPgConnection db(nullptr);
    db.SetHostName("127.0.0.1");
    db.SetPort(std::stoi(ServerSetting("PORT")));
    db.SetDatabaseName("postgres");
    db.SetUserName("qv");
    db.SetSSLMode("disable");
    db.SetConnectTimeout(10);
    db.SetApplicationName("qv-login");
    int asked = 0;
    if (c.From == PasswordFrom::Prompt || c.From == PasswordFrom::WrongPrompt) {
        db.SetLoginPrompt(true);
        db.OnLogin = [&](TPgConnection*, std::string& user, std::string& password) {
            ++asked;
            EXPECT_EQ(user, "qv");
            password = c.From == PasswordFrom::Prompt ? ServerSetting("PASSWORD") : "wrong";
        };
    }
    if (c.Connects) {
        db.Open();
        EXPECT_EQ(db.ExecSQL("SELECT 1"), 1);
        TPgQuery name(nullptr);
        name.SetDatabase(&db);
        name.SetSQL("SELECT current_setting('application_name')");
        name.Open();
        EXPECT_EQ(name.Fields(0)->GetAsString(), "qv-login");
    } else {
        try {
            db.Open();
            FAIL() << c.Name << " connected";
        } catch (const EDatabaseError& e) {
            EXPECT_NE(e.Message().find("Cannot connect to the database server"), std::string::npos);
            EXPECT_NE(e.Message().find("password"), std::string::npos) << e.Message();
        }
        EXPECT_FALSE(db.GetConnected());
    }
    EXPECT_EQ(asked, c.From == PasswordFrom::Prompt || c.From == PasswordFrom::WrongPrompt ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Sources, PgLoginTest, ::testing::ValuesIn(kLoginCases),
                         [](const auto& info) { return TestName(info.param.Name, info.index); });

TEST(PgConnection, AServerThatIsNotThereGivesAClearErrorAndSettingsWaitForClose) {
    TPgConnection db(nullptr);
    db.SetConnectionString("host=127.0.0.1 port=1 dbname=none connect_timeout=5");
    try {
        db.Open();
        FAIL() << "connected to nothing";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message().rfind("Cannot connect to the database server: ", 0), 0u) << e.Message();
    }
    TPgConnection good(nullptr);
    good.SetConnectionString(ConnInfo());
    good.Open();
    EXPECT_THROW(good.SetHostName("elsewhere"), EDatabaseError);
    good.Close();
    good.SetHostName("127.0.0.1");
}

}  // namespace pgtest
