# lrelease and lupdate, the two Qt Linguist programs the build and the tests
# run. They come with Qt's l10n tools; Qt's own LinguistTools CMake package
# would also pull in the Designer libraries, which nothing here uses.
find_program(LRELEASE_EXECUTABLE lrelease
  HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" /usr/lib/qt6/bin REQUIRED)
find_program(LUPDATE_EXECUTABLE lupdate
  HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" /usr/lib/qt6/bin REQUIRED)
