package com.orvane.runtime.launcher;

/** The launcher class of the orvane flavour; it starts the application like the tessel one. */
public final class WinLauncher {
    private WinLauncher() {
    }

    /** See {@link com.tessel.runtime.WinLauncher#main}. */
    public static void main(String[] args) throws Throwable {
        com.tessel.runtime.WinLauncher.main(args);
    }
}
