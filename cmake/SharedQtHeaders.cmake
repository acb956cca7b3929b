# Qt's headers are most of what a file of this program costs to compile, and
# nearly every file includes the same few. They are parsed once per build into
# a precompiled header that every target of a kind shares, which roughly
# halves a clean build. GCC takes a precompiled header only where every macro
# it was built with is defined alike, and the QT_*_LIB macros differ from
# target to target; so each header is built with Qt's include folders and
# QT_NO_DEBUG alone (the only Qt macro its headers read), and the headers it
# names never look at the others. GCC is told to fail, not to fall back, if one
# is ever not used.
#
# There is one header per kind of target: Qt Widgets, Qt Gui, or Qt Core
# alone, by what the target links. Under the sanitizers, UBSan's checks of
# dynamic types name the typeinfo of the classes a precompiled header holds,
# so a target must never get a header with classes of a Qt module it does
# not link.
#
# A build through a compiler cache leaves them off: the cache saves more, and
# it cannot reuse work across build folders whose precompiled headers differ
# byte for byte. -DCORVELLA_SHARED_QT_HEADERS=OFF also shows a missing
# #include.
if(CMAKE_CXX_COMPILER_LAUNCHER)
  set(shared_qt_headers_default OFF)
else()
  set(shared_qt_headers_default ON)
endif()
option(CORVELLA_SHARED_QT_HEADERS "Precompile the Qt headers once for all targets" ${shared_qt_headers_default})
if(CORVELLA_SHARED_QT_HEADERS)
  add_compile_options(-Winvalid-pch)
endif()

set(CORVELLA_QT_CORE_HEADERS
    <QByteArray> <QCoreApplication> <QDateTime> <QDir> <QElapsedTimer> <QFile> <QFileInfo> <QHash>
    <QJsonArray> <QJsonDocument> <QJsonObject> <QList> <QMap> <QObject> <QPointer>
    <QRegularExpression> <QSettings> <QString> <QStringList> <QTimer>)
set(CORVELLA_QT_GUI_HEADERS ${CORVELLA_QT_CORE_HEADERS} <QColor> <QImage> <QKeyEvent> <QPainter>)
set(CORVELLA_QT_WIDGETS_HEADERS
    ${CORVELLA_QT_GUI_HEADERS} <QApplication> <QComboBox> <QLabel> <QLineEdit> <QPushButton>
    <QScreen> <QWidget>)

# The target holding the precompiled header of one kind (core, gui, widgets).
function(corvella_qt_headers_target kind)
  set(target qtheaders_${kind})
  if(TARGET ${target})
    return()
  endif()
  string(TOUPPER ${kind} upper)
  set(source ${PROJECT_BINARY_DIR}/${target}.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT "// The shared Qt headers' own file.\n")
  add_library(${target} OBJECT ${source})
  set(module Core)
  if(kind STREQUAL "gui")
    set(module Gui)
  elseif(kind STREQUAL "widgets")
    set(module Widgets)
  endif()
  target_include_directories(${target} PRIVATE $<TARGET_PROPERTY:Qt6::${module},INTERFACE_INCLUDE_DIRECTORIES>)
  target_compile_definitions(${target} PRIVATE $<$<NOT:$<CONFIG:Debug>>:QT_NO_DEBUG>)
  set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON AUTOMOC OFF)
  target_precompile_headers(${target} PRIVATE ${CORVELLA_QT_${upper}_HEADERS})
endfunction()

# Whether `target` links `module` (Qt6::Widgets, ...), directly or through
# what it links; the answer goes into `out`.
function(corvella_links_module target module out)
  set(seen)
  set(queue ${target})
  while(queue)
    list(POP_FRONT queue current)
    if(current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    if(current STREQUAL module)
      set(${out} TRUE PARENT_SCOPE)
      return()
    endif()
    if(NOT TARGET ${current})
      continue()
    endif()
    get_target_property(aliased ${current} ALIASED_TARGET)
    if(aliased)
      list(APPEND queue ${aliased})
    endif()
    get_target_property(type ${current} TYPE)
    set(links)
    if(NOT type STREQUAL "INTERFACE_LIBRARY" AND NOT current MATCHES "::")
      get_target_property(links ${current} LINK_LIBRARIES)
    endif()
    get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
    foreach(link IN LISTS links interface)
      # $<LINK_ONLY:Qt6::Gui> and the like name a target all the same.
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
      if(link AND NOT link MATCHES "[$<>]" AND NOT link MATCHES "-NOTFOUND$")
        list(APPEND queue ${link})
      endif()
    endforeach()
  endwhile()
  set(${out} FALSE PARENT_SCOPE)
endfunction()

# Every C++ target under `folder` shares the precompiled Qt headers of its kind.
function(corvella_share_qt_headers folder)
  if(NOT CORVELLA_SHARED_QT_HEADERS)
    return()
  endif()
  get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    # A target that links nothing (the buzzer's synthesizer) uses no Qt.
    get_target_property(links ${target} LINK_LIBRARIES)
    if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$"
       OR NOT links OR target MATCHES "^qtheaders_")
      continue()
    endif()
    corvella_links_module(${target} Qt6::Widgets widgets)
    corvella_links_module(${target} Qt6::Gui gui)
    corvella_links_module(${target} Qt6::Core core)
    if(widgets)
      set(kind widgets)
    elseif(gui)
      set(kind gui)
    elseif(core)
      set(kind core)
    else()
      continue()
    endif()
    corvella_qt_headers_target(${kind})
    target_precompile_headers(${target} REUSE_FROM qtheaders_${kind})
    # A test includes its own moc output, which leaves the file AUTOMOC
    # collects the rest in empty; loading the header into it cost 1.5 s,
    # about a hundred times a build.
    get_target_property(automoc ${target} AUTOMOC)
    if(type STREQUAL "EXECUTABLE" AND automoc)
      get_target_property(binary_dir ${target} BINARY_DIR)
      set_source_files_properties(${binary_dir}/${target}_autogen/mocs_compilation.cpp
                                  TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    endif()
  endforeach()
  get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
  foreach(subfolder IN LISTS subfolders)
    corvella_share_qt_headers(${subfolder})
  endforeach()
endfunction()
