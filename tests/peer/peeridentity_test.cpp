// The identity shown to peers: where its name comes from and how it is cut to fit one DNS label.
#include "peeridentity.h"

#include <gtest/gtest.h>

TEST(PeerIdentity, DisplayNameFallsBackFromPrettyNameToHostNameToVellorin)
{
    const struct
    {
        const char *pretty;
        const char *host;
        const char *expected;
    } cases[] = {
        {"Stage Left", "stage-left", "Stage Left"},
        {"", "stage-left", "stage-left"},
        {"  ", "stage-left", "stage-left"},
        {"", "", "Vellorin"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PeerIdentity::displayNameFrom(QString::fromUtf8(c.pretty), QString::fromUtf8(c.host)),
                  QString::fromUtf8(c.expected))
            << c.pretty << " / " << c.host;
}

TEST(PeerIdentity, LongNamesAreCutToWholeCharactersWithin63Bytes)
{
    const struct
    {
        QString name;
        QString expected;
    } cases[] = {
        {QString(70, u'a'), QString(63, u'a')},
        {QString(63, u'a'), QString(63, u'a')},
        // Two bytes each: 31 characters fill 62 bytes; a 32nd would need 64.
        {QString(40, QChar(0x00E9)), QString(31, QChar(0x00E9))},
        // Three bytes each: exactly 21 characters.
        {QString(30, QChar(0x266B)), QString(21, QChar(0x266B))},
        // Four bytes each (surrogate pairs in UTF-16): 15 characters, the pair never split.
        {QString::fromUtf8("\xF0\x9F\x8E\xB8").repeated(20), QString::fromUtf8("\xF0\x9F\x8E\xB8").repeated(15)},
        {QStringLiteral("a") + QString::fromUtf8("\xF0\x9F\x8E\xB8").repeated(20),
         QStringLiteral("a") + QString::fromUtf8("\xF0\x9F\x8E\xB8").repeated(15)},
    };
    for (const auto &c : cases) {
        const QString name = PeerIdentity::displayNameFrom(c.name, QString());
        EXPECT_EQ(name, c.expected) << c.name.toStdString();
        EXPECT_LE(name.toUtf8().size(), PeerIdentity::maxNameBytes);
        EXPECT_EQ(QString::fromUtf8(name.toUtf8()), name) << "valid UTF-8";
    }
}

TEST(PeerIdentity, PrettyHostNameIsReadFromMachineInfo)
{
    const struct
    {
        const char *info;
        const char *expected;
    } cases[] = {
        {"PRETTY_HOSTNAME=Stage\n", "Stage"},
        {"CHASSIS=laptop\nPRETTY_HOSTNAME=\"Lena's Laptop\"\nDEPLOYMENT=production\n", "Lena's Laptop"},
        {"PRETTY_HOSTNAME='Keys \\\"2\\\"'\n", "Keys \"2\""},
        {"PRETTY_HOSTNAME=\"B\xC3\xBChne\"", "B\xC3\xBChne"},
        {"CHASSIS=desktop\n", ""},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PeerIdentity::prettyHostNameFrom(QByteArray(c.info)), QString::fromUtf8(c.expected)) << c.info;
}

TEST(PeerIdentity, OneIdentityForTheWholeProcess)
{
    const PeerIdentity &first = PeerIdentity::process();
    EXPECT_EQ(&first, &PeerIdentity::process());
    EXPECT_FALSE(first.id().isNull());
    EXPECT_FALSE(first.displayName().isEmpty());
    EXPECT_LE(first.displayName().toUtf8().size(), PeerIdentity::maxNameBytes);
    EXPECT_EQ(first.idText(), first.id().toString(QUuid::WithoutBraces));
}
