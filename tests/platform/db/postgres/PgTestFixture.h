#pragma once
// The test server's address, and a fixture with a connection and the people table.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/db/DataSource.h"
#include "platform/db/Fields.h"
#include "platform/db/postgres/PgConnection.h"
#include "platform/db/postgres/PgDataSet.h"

namespace pgtest {

// A line KEY=value of the state file the server script wrote.
inline std::string ServerSetting(const std::string& Key) {
    const char* state = std::getenv("QV_PG_STATE");
    if (!state) throw std::runtime_error("QV_PG_STATE is not set: run these tests through ctest");
    std::ifstream in(state);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(Key + "=", 0) == 0) return line.substr(Key.size() + 1);
    throw std::runtime_error("the test server's state file has no " + Key);
}

// A case's name as a test name: letters and digits, made unique by its place in the table.
inline std::string TestName(const std::string& Name, std::size_t Index) {
    std::string name;
    for (char c : Name) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name + "_" + std::to_string(Index);
}

inline std::string ConnInfo() {
    return ServerSetting("CONNINFO");
}

inline void RestartServer() {
    const std::string command = ServerSetting("SCRIPT") + " restart " + std::getenv("QV_PG_STATE");
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

inline const char* kPeopleSchema =
    "DROP TABLE IF EXISTS people CASCADE;"
    "CREATE TABLE people (id serial PRIMARY KEY, name varchar(20) NOT NULL UNIQUE, age int "
    "CHECK (age >= 0), score real, active boolean, notes text, photo bytea, version int NOT "
    "NULL DEFAULT 1);"
    "INSERT INTO people (name, age, score, active) VALUES ('Ann', 30, 1.5, true), "
    "('Bob', 31, 2.5, false), ('Cy', 32, 3.5, true);";

// Each test starts with a fresh people table on a connection of its own.
class PgTest : public ::testing::Test {
protected:
    void SetUp() override {
        db = Connect("qv-tests");
        db->ExecSQL(kPeopleSchema);
        table = OpenPeople(*db);
    }
    void TearDown() override {
        table.reset();
        db.reset();
    }
    static std::unique_ptr<TPgConnection> Connect(const std::string& ApplicationName) {
        auto connection = std::make_unique<TPgConnection>(nullptr);
        connection->SetConnectionString(ConnInfo());
        connection->SetApplicationName(ApplicationName);
        connection->Open();
        return connection;
    }
    static std::unique_ptr<TPgTable> OpenPeople(TPgConnection& Connection) {
        auto people = std::make_unique<TPgTable>(nullptr);
        people->SetDatabase(&Connection);
        people->SetTableName("people");
        people->Open();
        return people;
    }
    // One value from the server, as text ("" for null), read on a connection of its own.
    static std::string Scalar(const std::string& Sql) {
        auto other = Connect("qv-tests-check");
        TPgQuery query(nullptr);
        query.SetDatabase(other.get());
        query.SetSQL(Sql);
        query.Open();
        return query.IsEmpty() ? "<no row>" : query.Fields(0)->GetAsString();
    }

    std::unique_ptr<TPgConnection> db;
    std::unique_ptr<TPgTable> table;
};

}  // namespace pgtest
