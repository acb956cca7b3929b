# Qt's headers are most of what a file of this program costs to compile, and
# nearly every file includes the same few. They are parsed once per build into
# one precompiled header that every target shares, which roughly halves a
# clean build. GCC takes a precompiled header only where every macro it was
# built with is defined alike, and the QT_*_LIB macros differ from target to
# target; so it is built with Qt's include folders and QT_NO_DEBUG alone (the
# only Qt macro its headers read), and the headers it names, of Qt Core, Gui
# and Widgets, never look at the others. GCC is told to fail, not to fall back,
# if it is ever not used. A build through a compiler cache leaves it off: the
# cache saves more, and it cannot reuse work across build folders whose
# precompiled headers differ byte for byte. So does the sanitizers' build:
# UBSan's checks of dynamic types then name the typeinfo of every class in
# the header, QApplication's too, which a target without Qt Widgets cannot
# link. -DCORVELLA_SHARED_QT_HEADERS=OFF also shows a missing #include.
if(CMAKE_CXX_COMPILER_LAUNCHER OR CORVELLA_SANITIZE)
  set(shared_qt_headers_default OFF)
else()
  set(shared_qt_headers_default ON)
endif()
option(CORVELLA_SHARED_QT_HEADERS "Precompile the Qt headers once for all targets" ${shared_qt_headers_default})

if(CORVELLA_SHARED_QT_HEADERS)
  file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/qtheaders.cpp CONTENT "// The shared Qt headers' own file.\n")
  add_library(qtheaders OBJECT ${PROJECT_BINARY_DIR}/qtheaders.cpp)
  target_include_directories(qtheaders PRIVATE $<TARGET_PROPERTY:Qt6::Widgets,INTERFACE_INCLUDE_DIRECTORIES>)
  target_compile_definitions(qtheaders PRIVATE $<$<NOT:$<CONFIG:Debug>>:QT_NO_DEBUG>)
  set_target_properties(qtheaders PROPERTIES POSITION_INDEPENDENT_CODE ON AUTOMOC OFF)
  target_precompile_headers(qtheaders PRIVATE
    <QApplication> <QByteArray> <QColor> <QComboBox> <QCoreApplication> <QDateTime> <QDir>
    <QElapsedTimer> <QFile> <QFileInfo> <QHash> <QImage> <QJsonArray> <QJsonDocument>
    <QJsonObject> <QKeyEvent> <QLabel> <QLineEdit> <QList> <QMap> <QObject> <QPainter>
    <QPointer> <QPushButton> <QRegularExpression> <QScreen> <QSettings> <QString>
    <QStringList> <QTimer> <QWidget>)
endif()

# Every C++ target under `folder` shares the precompiled Qt headers.
function(corvella_share_qt_headers folder)
  if(NOT CORVELLA_SHARED_QT_HEADERS)
    return()
  endif()
  get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    # A target that links nothing (the buzzer's synthesizer) uses no Qt.
    get_target_property(links ${target} LINK_LIBRARIES)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$"
       AND links AND NOT target STREQUAL qtheaders)
      target_precompile_headers(${target} REUSE_FROM qtheaders)
    endif()
  endforeach()
  get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
  foreach(subfolder IN LISTS subfolders)
    corvella_share_qt_headers(${subfolder})
  endforeach()
endfunction()
