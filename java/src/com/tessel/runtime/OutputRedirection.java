package com.tessel.runtime;

import java.io.FileNotFoundException;
import java.io.FileOutputStream;
import java.io.PrintStream;
import java.util.Objects;

/** Points System.err and System.out at the files the launcher names. */
final class OutputRedirection {
    private OutputRedirection() {
    }

    /**
     * A file that cannot be opened leaves its stream as it was, with a note
     * on standard error: a missing log file must not keep the application from starting.
     */
    static void apply(LaunchRequest request) {
        PrintStream error = open(request.errorFile, request.appendToFiles, "Standard error");
        if (error != null) {
            System.setErr(error);
        }
        // One stream for a file named twice, so that neither truncates nor overwrites the other.
        PrintStream output = Objects.equals(request.outputFile, request.errorFile)
                ? error
                : open(request.outputFile, request.appendToFiles, "Standard output");
        if (output != null) {
            System.setOut(output);
        }
    }

    private static PrintStream open(String file, boolean append, String streamName) {
        if (file == null) {
            return null;
        }
        try {
            // Unbuffered below the PrintStream: every write reaches the file
            // even when the application ends the process abruptly.
            return new PrintStream(new FileOutputStream(file, append), true);
        } catch (FileNotFoundException e) {
            System.err.println(streamName + " is not redirected: " + e.getMessage());
            return null;
        }
    }
}
