# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# The parts of Qt that Brasti never uses, switched off alike in the Windows
# and the web builds of Qt (scripts/qt-windows.sh, scripts/qt-web.sh), each
# of which adds its own. Sourced, not run. The two lists keep their order:
# each build's cache key is made from its options in order.

# Picture formats, documents and desktop services.
qt_unused_formats=(
    -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_jpeg=OFF -DFEATURE_movie=OFF
    -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_pdf=OFF -DFEATURE_sessionmanager=OFF -DFEATURE_systemtrayicon=OFF
)
# Test-library extras, style sheets and the widgets no screen has.
qt_unused_widgets=(
    -DFEATURE_testlib_selfcover=OFF -DFEATURE_itemmodeltester=OFF
    -DFEATURE_style_stylesheet=OFF -DFEATURE_graphicsview=OFF -DFEATURE_mdiarea=OFF
    -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF -DFEATURE_dial=OFF
    -DFEATURE_lcdnumber=OFF -DFEATURE_fontcombobox=OFF -DFEATURE_fontdialog=OFF
    -DFEATURE_colordialog=OFF -DFEATURE_filedialog=OFF
    -DFEATURE_errormessage=OFF -DFEATURE_progressdialog=OFF -DFEATURE_wizard=OFF
    -DFEATURE_splashscreen=OFF -DFEATURE_syntaxhighlighter=OFF
    -DFEATURE_columnview=OFF -DFEATURE_undoview=OFF
    -DFEATURE_datawidgetmapper=OFF -DFEATURE_keysequenceedit=OFF -DFEATURE_toolbox=OFF
    -DFEATURE_commandlinkbutton=OFF -DFEATURE_textbrowser=OFF -DFEATURE_dockwidget=OFF
    -DFEATURE_undocommand=OFF
)
