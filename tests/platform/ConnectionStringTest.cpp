#include "platform/db/ConnectionString.h"
#include "platform/db/DbError.h"

#include <gtest/gtest.h>

using namespace kelvo::db;

TEST(ConnectionString, KeysIgnoreCaseAndQuotedValuesKeepSemicolons)
{
    const ConnectionString cs(QStringLiteral(
        "Provider=SQLOLEDB.1;PASSWORD=\"a;b\"\"c\";initial catalog=Acc; Data Source = srv ;Extra='x y'"));
    EXPECT_EQ(cs.value("provider"), "SQLOLEDB.1");
    EXPECT_EQ(cs.value("Password"), "a;b\"c");
    EXPECT_EQ(cs.value("Initial Catalog"), "Acc");
    EXPECT_EQ(cs.value("data source"), "srv");
    EXPECT_EQ(cs.value("EXTRA"), "x y");
    EXPECT_FALSE(cs.contains("User ID"));
    EXPECT_EQ(cs.value("User ID"), "");
}

TEST(ConnectionString, ProviderIsTheFirstSegmentAfterItsEquals)
{
    EXPECT_EQ(ProviderOfConnectionString("Provider=MSDAORA.1;Data Source=orcl"), "MSDAORA.1");
    // Only the first "=" of the first segment counts.
    EXPECT_EQ(ProviderOfConnectionString("Provider=a=b;x=y"), "a=b");
    EXPECT_THROW(ProviderOfConnectionString("Provider=SQLite"), DbError);
    EXPECT_THROW(ProviderOfConnectionString("SQLite;Data Source=x"), DbError);
}
