#pragma once
// The interface languages as the rows of a data-driven Qt test: the column
// "lang" (1 Simplified Chinese, 2 Traditional Chinese, 3 English), each row
// tagged with its help folder's name, which screenshots take into theirs.
#include <QtTest>

#include <initializer_list>

namespace testsupport {

inline void languageRows(std::initializer_list<int> langs = {1, 2, 3}) {
    static const char* const tags[] = {"", "chs", "cht", "eng"};
    QTest::addColumn<int>("lang");
    for (int lang : langs) QTest::newRow(tags[lang]) << lang;
}

} // namespace testsupport
