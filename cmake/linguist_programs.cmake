# lrelease and lupdate, the two Qt Linguist programs the build and the tests
# run. They come with Qt's l10n tools, which Debian installs outside the PATH;
# Qt's own LinguistTools CMake package would also pull in the Designer
# libraries, which nothing here uses.
find_program(LRELEASE_EXECUTABLE lrelease HINTS /usr/lib/qt6/bin REQUIRED)
find_program(LUPDATE_EXECUTABLE lupdate HINTS /usr/lib/qt6/bin REQUIRED)
