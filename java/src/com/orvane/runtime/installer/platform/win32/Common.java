package com.orvane.runtime.installer.platform.win32;

/** What the orvane-flavour launcher tells the runtime about its native helper library. */
public final class Common {
    private static volatile boolean helperLibraryRegistered;

    private Common() {
    }

    /**
     * Called by the launcher with true just before its helper library
     * registers its native methods, and with false when that registration failed.
     */
    public static void initFromLauncher(boolean registering) {
        helperLibraryRegistered = registering;
    }

    /** The launcher's helper library has registered its native methods. */
    public static boolean isHelperLibraryRegistered() {
        return helperLibraryRegistered;
    }
}
