package com.tessel.runtime;

import java.util.Arrays;

/**
 * What the native launcher asks the launcher class to start: the argument
 * array of {@code WinLauncher.main}, taken apart.
 */
final class LaunchRequest {
    private static final int GUI = 0;
    private static final int MAIN_CLASS = 1;
    private static final int ERROR_FILE = 2;
    private static final int OUTPUT_FILE = 3;
    private static final int APPEND_TO_FILES = 4;
    private static final int PROGRAM = 5;
    private static final int FIRST_APPLICATION_ARGUMENT = 6;

    /** The launcher runs as a GUI program, without a console. */
    final boolean gui;
    /** Module of the main class, or null when the class comes from the class path. */
    final String moduleName;
    final String mainClass;
    /** Files for standard error and standard output, or null to keep the stream. */
    final String errorFile;
    final String outputFile;
    /** The redirection files are appended to rather than started afresh. */
    final boolean appendToFiles;
    /** The launcher's program token from its command line, empty when there was none. */
    final String program;
    final String[] applicationArguments;

    private LaunchRequest(String[] args) {
        gui = Boolean.parseBoolean(element(args, GUI));
        // A leading "/" marks the form module/class; without a module the
        // class is looked for on the class path.
        String main = element(args, MAIN_CLASS);
        boolean moduleForm = main.startsWith("/");
        String name = moduleForm ? main.substring(1) : main;
        int slash = moduleForm ? name.indexOf('/') : -1;
        moduleName = slash > 0 ? name.substring(0, slash) : null;
        mainClass = name.substring(slash + 1);
        errorFile = fileOrNull(element(args, ERROR_FILE));
        outputFile = fileOrNull(element(args, OUTPUT_FILE));
        appendToFiles = Boolean.parseBoolean(element(args, APPEND_TO_FILES));
        program = element(args, PROGRAM);
        applicationArguments = args.length > FIRST_APPLICATION_ARGUMENT
                ? Arrays.copyOfRange(args, FIRST_APPLICATION_ARGUMENT, args.length)
                : new String[0];
    }

    /** Missing elements read as empty texts, so a short array fails later with a clear message. */
    static LaunchRequest parse(String[] args) {
        return new LaunchRequest(args);
    }

    private static String element(String[] args, int index) {
        return index < args.length && args[index] != null ? args[index] : "";
    }

    private static String fileOrNull(String name) {
        return name.isEmpty() ? null : name;
    }
}
