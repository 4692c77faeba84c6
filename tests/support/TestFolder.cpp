#include "support/TestFolder.h"

#include <QFile>
#include <gtest/gtest.h>

TestFolder::TestFolder() {
    EXPECT_TRUE(m_dir.isValid());
}

void TestFolder::writeBytes(const QString& name, const QByteArray& bytes) const {
    QFile f(file(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray TestFolder::readBytes(const QString& name) const {
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool TestFolder::exists(const QString& name) const {
    return QFile::exists(file(name));
}
