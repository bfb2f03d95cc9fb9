package com.tessel;

/** Hears of a second start of the application's launcher in single-instance mode. */
public interface StartupListener {
    /**
     * @param commandLine the second start's command line after its program
     *                    name, exactly as typed; empty when it had no arguments
     */
    void startupPerformed(String commandLine);
}
