# Qt and standard headers that nearly every file parses. Parsing them takes more
# than half of a file's compile time, so each target compiles them once.
set(TESSARO_PCH_CORE
  <QString> <QStringList> <QList> <QHash> <QByteArray> <QObject> <QFile> <QFileInfo> <QDir> <QVariant>
  <algorithm> <array> <cmath> <functional> <map> <memory> <optional> <vector>)
set(TESSARO_PCH_GUI ${TESSARO_PCH_CORE}
  <QWidget> <QDialog> <QLabel> <QPushButton> <QBoxLayout> <QGridLayout> <QGroupBox> <QComboBox>
  <QLineEdit> <QCheckBox> <QRadioButton> <QHeaderView> <QMenu> <QTableView>)

# kind: CORE, GUI, or TEST / GUI_TEST (the same plus GoogleTest and Qt Test).
function(tessaro_precompile target kind)
  if(kind MATCHES "GUI")
    set(headers ${TESSARO_PCH_GUI})
  else()
    set(headers ${TESSARO_PCH_CORE})
  endif()
  if(kind MATCHES "TEST")
    list(APPEND headers <gtest/gtest.h> <QTest>)
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
