#include "platform/automation/AutomationError.h"
#include "platform/automation/PropertyBag.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/AutomationErrors.h"

using namespace kelvo::automation;

namespace {

using kelvo::test::ErrorNumber;

} // namespace

TEST(PropertyBagTest, ValuesSurviveAFileInTheirKeyOrderAndMissingKeysGiveTheDefault)
{
    QTemporaryDir dir;
    PropertyBag bag;
    bag.write("Zeta", 7);
    bag.write("Alpha", QString::fromUtf8("Provider=SQLite;Data Source=/tmp/گزارش"));
    bag.write("Colour", qint64(0xEBF7FE));
    bag.write("Ratio", 2.5);
    bag.write("Flag", true);
    bag.write("Nothing", QVariant());
    bag.write("Zeta", -3); // replaced in place
    const QString path = dir.filePath("bag.json");
    bag.save(path);

    const PropertyBag read = PropertyBag::load(path);
    EXPECT_EQ(read.keys(), QStringList({"Zeta", "Alpha", "Colour", "Ratio", "Flag", "Nothing"}));
    EXPECT_EQ(read.read("Zeta").toInt(), -3);
    EXPECT_EQ(read.read("Alpha").toString(), QString::fromUtf8("Provider=SQLite;Data Source=/tmp/گزارش"));
    EXPECT_EQ(read.read("Colour").toLongLong(), 0xEBF7FE);
    EXPECT_EQ(read.read("Ratio").toDouble(), 2.5);
    EXPECT_EQ(read.read("Flag").toBool(), true);
    EXPECT_FALSE(read.read("Nothing", 5).isValid()); // present, empty: not the default
    EXPECT_EQ(read.read("Missing", 5).toInt(), 5);
}

TEST(PropertyBagTest, UnreadableFilesAndUnwritablePlacesFailClearly)
{
    QTemporaryDir dir;
    EXPECT_EQ(ErrorNumber([&] { PropertyBag::load(dir.filePath("none.json")); }), ErrFileNotFound);

    const QString broken = dir.filePath("broken.json");
    for (const QByteArray& text : {QByteArray("{not json"), QByteArray("[1,2]"),
                                   QByteArray(R"({"properties":[{"value":1}]})")}) {
        QFile f(broken);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
        f.close();
        EXPECT_EQ(ErrorNumber([&] { PropertyBag::load(broken); }), ErrInvalidFileFormat) << text.constData();
    }

    EXPECT_EQ(ErrorNumber([&] { PropertyBag().save(dir.filePath("no/such/folder/bag.json")); }), ErrPathFileAccess);
}
