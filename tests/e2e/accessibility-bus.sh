# What the sessions that read the panel as a screen reader does share, sourced after session.sh.

# A session bus that starts nothing of the machine's, and the accessibility bus registered on it; both are added to
# $pids. Uses $launcher, the accessibility bus's launcher. Checks that the bus answers.
start_accessibility_bus() {
    mkdir -p "$config/bus/services"
    cp "$here/../session-bus.conf" "$config/bus/bus.conf"
    dbus-daemon --config-file="$config/bus/bus.conf" --fork --print-address=3 --print-pid=4 \
        3>"$config/bus/address" 4>"$config/bus/pid"
    pids+=("$(cat "$config/bus/pid")")
    export DBUS_SESSION_BUS_ADDRESS=$(cat "$config/bus/address")
    "$launcher" >"$config/at-spi-bus-launcher.log" 2>&1 &
    pids+=($!)
    check "the accessibility bus is on the session bus" until_true accessibility_bus_answers
}

accessibility_bus_answers() {
    gdbus call --session -d org.a11y.Bus -o /org/a11y/bus -m org.a11y.Bus.GetAddress | grep -q unix
}
