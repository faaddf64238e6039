#pragma once

#include "image/BankCompiler.h"

#include "support/TestFolders.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

// A configuration "Line A" in a temporary program folder, for compiling its banks.
class ConfigurationFixture : public ::testing::Test
{
protected:
    TestFolders folders;
    QString conf = folders.makeConfiguration(QStringLiteral("Line A"));

    // A path inside the configuration folder.
    QString path(const QString &name) const { return QDir(conf).filePath(name); }

    // The example's two project files (data/example): port 4840, NTP 10.0.0.1 polled
    // every 1000 s, a named Int16, an unnamed Float and a disabled entry.
    void copyExample()
    {
        for (const char *name : {"ParGen.xml", "OPC_UA_Server.xml"})
            QFile::copy(QStringLiteral(TESSERA_TEST_DATA "/example/") + QLatin1String(name), path(QLatin1String(name)));
    }

    // Both images as the configurator compiles them; the compile must succeed.
    BankImages compile()
    {
        BankImages images;
        QString error;
        EXPECT_TRUE(Compile_Bin_Banks(conf, folders.state.Lang_Table, &images, &error)) << error.toStdString();
        return images;
    }
};
