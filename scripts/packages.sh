# The Debian packages the build and the tests need, sourced by deps.sh and
# check-deps.sh. Recommends are never installed, so everything the build
# configures against must be here or be a hard dependency of something here;
# check-deps.sh proves that against a configured build.

# What CMake finds: Qt 6 (Core, Gui, Widgets, OpenGLWidgets and Test are in
# qt6-base-dev, OpenGL in libqt6opengl6-dev, which qt6-base-dev only
# recommends, SVG in qt6-svg-dev, Linguist's CMake functions in qt6-tools-dev
# and its lupdate and lrelease in qt6-l10n-tools), GL and GLU; and the tools
# that build and package.
build_packages=(cmake ninja-build g++ gzip qt6-base-dev libqt6opengl6-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools
                libgl-dev libglu1-mesa-dev dpkg-dev file)

# What the tests run: Mesa's software renderer under Xvfb, the checks of
# the desktop entry, the AppStream metadata and the Debian package,
# poppler's tools to render exported PDF pages and read their text back,
# Qt's own translations (its buttons in the window's language) and a CJK
# font to look at the window in Chinese.
test_packages=(libgl1-mesa-dri xvfb xauth desktop-file-utils appstream lintian apt shared-mime-info poppler-utils
               qt6-translations-l10n fonts-wqy-microhei)

# The libFuzzer build, which the test command also builds.
fuzz_packages=(clang libclang-rt-14-dev)
