# Thin wrapper over the CMake presets. `make test` installs what it needs first.
APT_PACKAGES := g++ cmake ninja-build pkg-config qt6-base-dev libplist-dev libgtest-dev libgmock-dev \
                googletest libbenchmark-dev clang-format
# Qt's translation tools, and Qt's own texts in the user's language.
APT_PACKAGES += qt6-l10n-tools qt6-translations-l10n
# The font whose digits the build outlines for the count on the icon.
APT_PACKAGES += fonts-dejavu-extra
APT_PACKAGES += libxcb1-dev
APT_PACKAGES += libxcb-keysyms1-dev libxcb-xkb-dev xvfb xdotool
# The virtual desktop the program runs on in tests and in `make run`.
APT_PACKAGES += openbox tint2 x11-utils imagemagick fonts-dejavu-core
# A tray that hosts StatusNotifierItems and XEmbed icons both, with the settings daemon it keeps its bar in.
APT_PACKAGES += xfce4-panel xfconf
# Wayland without X11 (a headless compositor), and a private session bus for the desktop portal's shortcuts.
APT_PACKAGES += qt6-wayland weston dbus-daemon
# sway with waybar's tray, where the compositor places the panel.
APT_PACKAGES += sway waybar grim wtype jq
# GNOME's custom keyboard shortcuts through GIO's settings; its schemas, compiled by the tests themselves.
APT_PACKAGES += libglib2.0-dev libglib2.0-bin gnome-settings-daemon-common
# The sync password in the desktop's keyring; a real keyring, on a private bus, for its tests.
APT_PACKAGES += libsecret-1-dev gnome-keyring
# Tasks on a calendar server as iCalendar text.
APT_PACKAGES += libical-dev
# Real desktops for `make test-desktops`: large, and slow to start, so not part of `make test`.
DESKTOP_PACKAGES := kwin-wayland plasma-workspace xdg-desktop-portal xdg-desktop-portal-kde qtwayland5 qdbus-qt5
# Plasma's tray, clicked and photographed through KWin's own interfaces from Python.
DESKTOP_PACKAGES += python3-gi libwayland-client0
# Plasma 5's Wayland session came in a package of its own (Debian 12); Plasma 6's is in plasma-workspace.
DESKTOP_PACKAGES_WHERE_THERE := plasma-workspace-wayland
DESKTOP_PACKAGES += gnome-shell gnome-shell-extension-appindicator xwayland gnome-settings-daemon
# A Wayland window that holds the keyboard when the shortcut is pressed.
DESKTOP_PACKAGES += foot
# X11 trays the icon docks in over XEmbed.
DESKTOP_PACKAGES += lxqt-panel lxpanel trayer
# The accessibility bus and a screen reader's Python client, to read the panel as a blind user hears it.
APT_PACKAGES += at-spi2-core python3-pyatspi
# A real screen reader on that bus, its speech going through speech-dispatcher to no sound card.
APT_PACKAGES += orca speech-dispatcher
# A CalDAV server (and its Python client library) the sync tests run on 127.0.0.1, and a tracer to show that
# with sync off the program opens no network socket.
APT_PACKAGES += radicale python3-caldav openssl strace
# An iCalendar reader other than libical, to check the text we write.
APT_PACKAGES += python3-vobject
# A second CalDAV server, and a task client with its syncer as the user's other device, from Debian's archive.
APT_PACKAGES += xandikos vdirsyncer todoman python3-icalendar
# The Debian package (`make deb`) and its checks in `make test`.
APT_PACKAGES += build-essential debhelper dpkg-dev help2man librsvg2-bin lintian appstream desktop-file-utils man-db
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps deps-desktops configure build test test-asan test-desktops test-debian13 soak bench fuzz run install deb \
        format format-check translations clean

# Installs whichever of the packages given are missing.
install-missing = missing=$$(for p in $(1); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

deps:
	@$(call install-missing,$(APT_PACKAGES))

deps-desktops:
	@[ -n "$$(ls /var/lib/apt/lists/ | grep _Packages)" ] || $(SUDO) apt-get update -qq
	@$(call install-missing,$(DESKTOP_PACKAGES) $$(apt-cache show --no-all-versions $(DESKTOP_PACKAGES_WHERE_THERE) \
	  2>/dev/null | sed -n 's/^Package: //p'))

configure: deps
	cmake --preset default

build: configure
	cmake --build --preset default

# The unit and widget tests run twice: as shipped, and under ASan and UBSan, where any report fails them.
test: build deb format-check
	ctest --preset default
	$(MAKE) test-asan
	tests/package/check-package.sh build/deb

# Brings translations/*.ts up to date with the texts in the sources; then translate what is marked unfinished.
translations: deps
	scripts/update-translations.sh

# The unit and widget tests alone under ASan and UBSan.
test-asan: deps
	cmake --preset asan && cmake --build --preset asan
	ctest --preset asan

# The program on real desktops run headless (KDE Plasma with its portal's global shortcuts and its tray, GNOME with
# its tray and its custom keyboard shortcuts, X11 trays that pull in large desktops); as root.
test-desktops: build deps-desktops
	@status=0; \
	tests/e2e/kde-session.sh build/default/redizado || status=1; \
	tests/e2e/kde-tray-session.sh build/default/redizado build/default/screenshots/kde || status=1; \
	tests/e2e/gnome-shortcut-session.sh build/default/redizado || status=1; \
	tests/e2e/gnome-tray-session.sh build/default/redizado build/default/screenshots/gnome || status=1; \
	tests/e2e/x11-trays-session.sh build/default/redizado build/default/screenshots/x11-trays || [ $$? = 77 ] || status=1; \
	exit $$status

# The convergence test of `make test` run long: two copies and another device changing one calendar at random.
SOAK_STEPS ?= 5000
soak: build
	REDIZADO_SOAK_STEPS=$(SOAK_STEPS) QT_QPA_PLATFORM=offscreen ./build/default/tests/sync/sync_convergence_tests

# The same `make test` (and so `make deb`) on Debian 13, in a chroot made once under build/debian13 and kept;
# its package and test logs land in build/debian13-out. Needs root and Debian's archive.
test-debian13:
	$(SUDO) scripts/debian13.sh test

bench: deps
	cmake --preset bench && cmake --build --preset bench
	./build/bench/bench/redizado_bench
	bench/report.py build/bench/bench/redizado_bench
	bench/tray-startup.sh build/bench/redizado build/bench/bench/baretray

# Each fuzz target runs for FUZZ_SECONDS on a copy of its seed corpus.
FUZZ_SECONDS ?= 60
# With the release's own clang and its sanitizer runtimes (clang 14 on Debian 12, 19 on Debian 13).
fuzz: deps
	@$(call install-missing,clang libclang-rt-dev)
	cmake --preset fuzz && cmake --build build/fuzz --target preferences_fuzzer title_fuzzer multistatus_fuzzer calendar_fuzzer
	rm -rf build/fuzz/corpus build/fuzz/titles build/fuzz/multistatus build/fuzz/calendars
	cp -r tests/fuzz/corpus tests/fuzz/titles tests/fuzz/multistatus tests/fuzz/calendars build/fuzz/
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ./build/fuzz/tests/fuzz/preferences_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 build/fuzz/corpus
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ./build/fuzz/tests/fuzz/title_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 -max_len=2000000 build/fuzz/titles
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ./build/fuzz/tests/fuzz/multistatus_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 build/fuzz/multistatus
	./build/fuzz/tests/fuzz/calendar_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 build/fuzz/calendars

run: build
	scripts/run.sh build/default/redizado build/default/screenshots

install: build
	cmake --install build/default $(if $(PREFIX),--prefix $(PREFIX))

# The binary package, built by dpkg-buildpackage from a copy of the tree so that what it leaves beside its source
# lands in build/deb rather than beside this folder; the package itself is copied here.
deb: deps
	rm -rf build/deb && mkdir -p build/deb/redizado
	tar -cf - --exclude=./build --exclude=./.git --exclude='./redizado_*.deb' . | tar -xf - -C build/deb/redizado
	cd build/deb/redizado && dpkg-buildpackage --build=binary --no-sign --jobs=$$(nproc)
	cp build/deb/redizado_*.deb .

# The style is clang-format 14's (Debian 12's): later versions lay out some code differently whatever the
# settings, so formatting and its check need that version and are skipped, saying so, with any other. Looked up
# when run, as `make test` may have only just installed it.
with-clang-format-14 = @cf=$$(command -v clang-format-14 || command -v clang-format); \
	v=$$($$cf --version 2>/dev/null | sed -n 's/.*version \([0-9]*\)\..*/\1/p' | head -n1); \
	if [ "$$v" != 14 ]; then \
	  echo "$@: skipped: the style is clang-format 14's (Debian 12), this is $${v:+clang-format }$${v:-no clang-format}"; \
	else git ls-files '*.cpp' '*.h' | xargs $$cf $(1); fi

format:
	$(call with-clang-format-14,-i)

# Fails on any source file that differs from the checked-in style; `make format` mends it.
format-check: deps
	$(call with-clang-format-14,--dry-run --Werror)

# Never into what a stopped `make test-debian13` left mounted in its chroot (the machine's /dev among them).
clean:
	rm -rf --one-file-system build
