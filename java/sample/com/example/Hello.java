package com.example;

import com.tessel.Controller;

/**
 * The demo application: shows what the launcher handed it and, while it
 * runs, the command lines that second starts forward to it. The system
 * property hello.waitSeconds keeps it running that long.
 */
public final class Hello {
    private static final String[] LAUNCHER_PROPERTIES = {
        "tessel.moduleName", "tessel.tempDir", "tessel.unextractedPosition", "sun.java.command",
        "java.library.path", "tessel.semaphoreName", "tessel.isOrvane", "tessel.consoleCodepage",
    };

    private Hello() {
    }

    public static void main(String[] args) throws InterruptedException {
        System.out.println("Hello from a Java application started by Tessel");
        System.out.println(args.length + " argument(s):");
        for (String arg : args) {
            System.out.println("  " + arg);
        }
        for (String name : LAUNCHER_PROPERTIES) {
            String value = System.getProperty(name);
            if (value != null) {
                System.out.println(name + "=" + value);
            }
        }
        Controller.addStartupListener(commandLine -> System.out.println("second start: [" + commandLine + "]"));
        Thread.sleep(1000L * Integer.getInteger("hello.waitSeconds", 0));
    }
}
