# Compile time. Qt's headers dominate it: each target parses the common ones once (a precompiled header), and a
# library's sources compile in batches (a unity build), so a batch parses its headers once too.

# The Qt and standard headers most sources of a layer include. The widget set only goes to targets that link
# Qt Widgets themselves, so a library below the widgets cannot use them by accident.
set(VELLORIN_PCH_CORE
  <algorithm> <functional> <memory> <optional> <utility> <vector>
  <QByteArray> <QCoreApplication> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QList> <QMap> <QObject>
  <QPointer> <QRegularExpression> <QSet> <QString> <QStringList> <QTimer> <QUrl> <QVariant>)
set(VELLORIN_PCH_GUI
  <QColor> <QFont> <QFontMetricsF> <QGuiApplication> <QImage> <QPainter> <QPointF> <QRectF> <QSizeF>)
set(VELLORIN_PCH_WIDGETS
  <QAction> <QApplication> <QComboBox> <QHBoxLayout> <QLabel> <QLineEdit> <QMenu> <QPushButton> <QScrollArea>
  <QScrollBar> <QToolButton> <QVBoxLayout> <QWidget>)
set(VELLORIN_PCH_TESTS <gmock/gmock.h> <gtest/gtest.h> <QSignalSpy> <QTemporaryDir> <QTest>)

# vellorin_precompile_qt(<target>): the precompiled header fitting what <target> links directly.
function(vellorin_precompile_qt target)
  get_target_property(libraries ${target} LINK_LIBRARIES)
  set(headers ${VELLORIN_PCH_CORE} ${VELLORIN_PCH_GUI})
  if("Qt6::Widgets" IN_LIST libraries)
    list(APPEND headers ${VELLORIN_PCH_WIDGETS})
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()

# vellorin_compile_fast(<target>): a library of ours, precompiled and built in batches. Two sources of one
# library must then not define file-local helpers of the same name; a library whose sources do sets the
# target property VELLORIN_SEPARATE_SOURCES and compiles them one by one.
function(vellorin_compile_fast target)
  vellorin_precompile_qt(${target})
  get_target_property(separate ${target} VELLORIN_SEPARATE_SOURCES)
  if(NOT separate)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  endif()
endfunction()
