# The layer table as the build enforces it: every library of the program and
# its tools, lowest first. A library may link only libraries listed before
# it (tavorin_library checks its DEPS against this list at configure time),
# and a target sees only the headers of the libraries it links. A new
# library is added here, in its layer.
set(TAVORIN_LAYERS
  # platform: our stand-ins for the Windows platform; the wire tables both
  # ends of the link share
  platform wire
  # shell services: settings, error reporter, text tables, data-file codec
  app
  # data model
  charcode model
  # radio link
  link
  # editors, tools and the main window's logic
  shell channels align flashtool
  # tools beside the program: the default image and the simulated radio
  datagen_image radiosim
  # Qt from here on: the desktop (Qt's process control) in a library of its
  # own, then the windows
  platform_desktop
  platform_ui app_ui shell_ui link_ui channels_ui align_ui flashtool_ui
  # the program: its assembly of the window libraries, which main() and the
  # tests of the whole program share
  program)
# The first library that may link Qt (QT or QTCORE); every one below it is
# logic, which sees no Qt.
set(TAVORIN_FIRST_QT_LIBRARY platform_desktop)
