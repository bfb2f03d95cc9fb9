package com.tessel;

import java.util.ArrayList;
import java.util.List;
import java.util.Objects;

/**
 * Delivers the command lines that second starts of the launcher forward to
 * this instance. Command lines that arrive while no listener is registered
 * are kept and handed, in order, to the next listener that registers.
 * <p>
 * Listeners run on the thread that delivers, one command line at a time and
 * in arrival order; they should hand longer work to a thread of their own.
 */
public final class Controller {
    private static final Object lock = new Object();
    private static final List<StartupListener> listeners = new ArrayList<>();
    private static final List<String> waiting = new ArrayList<>();

    private Controller() {
    }

    public static void addStartupListener(StartupListener listener) {
        Objects.requireNonNull(listener, "listener");
        synchronized (lock) {
            listeners.add(listener);
            List<String> held = new ArrayList<>(waiting);
            waiting.clear();
            for (String commandLine : held) {
                deliver(listener, commandLine);
            }
        }
    }

    public static void removeStartupListener(StartupListener listener) {
        synchronized (lock) {
            listeners.remove(listener);
        }
    }

    /**
     * Called by the launcher, on a thread of its own, for each command line a
     * second start forwards; null when that start had no arguments.
     */
    public static void startupPerformed(String commandLine) {
        String line = commandLine == null ? "" : commandLine;
        synchronized (lock) {
            if (listeners.isEmpty()) {
                waiting.add(line);
                return;
            }
            for (StartupListener listener : new ArrayList<>(listeners)) {
                deliver(listener, line);
            }
        }
    }

    /** The launcher's thread does not expect exceptions, so a failing listener only gets reported. */
    private static void deliver(StartupListener listener, String commandLine) {
        try {
            listener.startupPerformed(commandLine);
        } catch (Throwable e) {
            e.printStackTrace();
        }
    }
}
