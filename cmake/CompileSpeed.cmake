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

# One precompiled header per layer, made once by a target of its own that links no more than the Qt modules
# of its headers: GCC uses a precompiled header only where every macro it was made with is defined the same,
# and each library adds the QT_<module>_LIB definitions of the modules it links.
# GStreamer's and Avahi's compile flags define _REENTRANT (which glibc ignores) for the libraries that use them
# and those above; defined everywhere, it cannot set those libraries apart from the shared headers.
add_compile_definitions(_REENTRANT)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/vellorin_pch.cpp CONTENT "// The source that makes a precompiled header.\n")
add_library(vellorin_pch_gui OBJECT ${CMAKE_BINARY_DIR}/vellorin_pch.cpp)
target_link_libraries(vellorin_pch_gui PRIVATE Qt6::Core Qt6::Gui)
target_precompile_headers(vellorin_pch_gui PRIVATE ${VELLORIN_PCH_CORE} ${VELLORIN_PCH_GUI})
add_library(vellorin_pch_widgets OBJECT ${CMAKE_BINARY_DIR}/vellorin_pch.cpp)
target_link_libraries(vellorin_pch_widgets PRIVATE Qt6::Core Qt6::Gui Qt6::Widgets)
set_target_properties(vellorin_pch_gui vellorin_pch_widgets PROPERTIES AUTOMOC OFF)
target_precompile_headers(vellorin_pch_widgets PRIVATE ${VELLORIN_PCH_CORE} ${VELLORIN_PCH_GUI} ${VELLORIN_PCH_WIDGETS})

# vellorin_precompile_qt(<target>): the shared precompiled header fitting what <target> links directly.
function(vellorin_precompile_qt target)
  get_target_property(libraries ${target} LINK_LIBRARIES)
  if("Qt6::Widgets" IN_LIST libraries)
    target_precompile_headers(${target} REUSE_FROM vellorin_pch_widgets)
  else()
    target_precompile_headers(${target} REUSE_FROM vellorin_pch_gui)
  endif()
endfunction()

# vellorin_compile_fast(<target>): a library of ours, precompiled and built in batches of eight sources. Two
# sources of one library must not define file-local helpers of the same name: in one batch they would not
# compile.
function(vellorin_compile_fast target)
  vellorin_precompile_qt(${target})
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
endfunction()
