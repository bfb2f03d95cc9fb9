package com.tessel.runtime;

import java.awt.GraphicsEnvironment;
import javax.swing.JOptionPane;

/**
 * Tells the user why the application did not start: on standard error and,
 * for a GUI program, which has no console to read it on, in a message box.
 * A class of its own, so that AWT is loaded only when there is something to show.
 */
final class StartFailureReport {
    private StartFailureReport() {
    }

    static void show(LaunchFailure failure, LaunchRequest request) {
        System.err.println(failure.getMessage());
        if (request.gui && !GraphicsEnvironment.isHeadless()) {
            JOptionPane.showMessageDialog(null, failure.getMessage(), programName(request.program),
                    JOptionPane.ERROR_MESSAGE);
        }
    }

    private static String programName(String program) {
        return program.substring(Math.max(program.lastIndexOf('\\'), program.lastIndexOf('/')) + 1);
    }
}
