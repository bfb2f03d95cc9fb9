package com.tessel.runtime;

import com.tessel.Check;
import java.io.File;
import java.io.PrintStream;
import java.nio.file.Files;
import java.nio.file.Paths;
import java.util.Arrays;

/** Writes err.log, out.log and stderr.txt into the working directory. */
public final class WinLauncherTest {
    private static final String NL = System.lineSeparator();

    /** A main class for the launcher to start: it records its arguments and writes to both streams. */
    public static final class Recorder {
        public static void main(String[] args) {
            System.setProperty("fixture.arguments", String.join("|", args));
            System.err.println("err");
            System.out.println("out");
        }
    }

    public static final class Throws {
        public static void main(String[] args) {
            throw new IllegalStateException("from main");
        }
    }

    public static final class NoMain { }

    public static final class InstanceMain {
        public void main(String[] args) { }
    }

    public static void main(String[] args) throws Throwable {
        startsMainClassesFromTheClassPathAndModules();
        reportsWhatCannotBeStarted();
        redirectsOutput();
        endsTheProcessWhenTheMainClassIsMissing();
    }

    /** Launches with the streams restored afterwards; gives what the application's main threw. */
    private static Throwable launch(String mainClass, String errorFile, String outputFile, String append) {
        PrintStream err = System.err;
        PrintStream out = System.out;
        try {
            WinLauncher.main(new String[] {"false", mainClass, errorFile, outputFile, append, "app.exe", "x", "y z"});
            return null;
        } catch (Throwable thrown) {
            return thrown;
        } finally {
            System.setErr(err);
            System.setOut(out);
        }
    }

    private static void startsMainClassesFromTheClassPathAndModules() {
        String recorder = Recorder.class.getName();
        for (String mainClass : new String[] {recorder, "/" + recorder, "/com.example.modular/com.example.modular.Main"}) {
            System.clearProperty("fixture.arguments");
            Check.equal(null, launch(mainClass, "", "", "true"), mainClass);
            Check.equal("x|y z", System.getProperty("fixture.arguments"), mainClass);
        }
        // Exceptions of the application's main reach the launcher unchanged.
        Check.equal("java.lang.IllegalStateException: from main",
                String.valueOf(launch(Throws.class.getName(), "", "", "true")), "exception of main");
    }

    private static void reportsWhatCannotBeStarted() {
        String noMethod = " has no method public static void main(String[] args)";
        String[][] cases = {
            // module, main class, message
            {null, "com.example.Missing", "Main class com.example.Missing not found on the class path"},
            {null, NoMain.class.getName(), "Main class " + NoMain.class.getName() + noMethod},
            {null, InstanceMain.class.getName(), "Main class " + InstanceMain.class.getName() + noMethod},
            {null, "", "No main class was given to the launcher"},
            {"no.such.module", "x.Y", "Module no.such.module of main class x.Y not found on the module path"},
            {"java.base", "com.example.Missing", "Main class com.example.Missing not found in module java.base"},
        };
        for (String[] row : cases) {
            String message = null;
            try {
                ApplicationMain.find(row[0], row[1]);
            } catch (LaunchFailure failure) {
                message = failure.getMessage();
            }
            Check.equal(row[2], message, row[0] + "/" + row[1]);
        }
    }

    private static void redirectsOutput() throws Exception {
        String[][] cases = {
            // error file, output file, append; expected err.log, out.log
            {"err.log", "out.log", "true", "old" + NL + "err" + NL, "old" + NL + "out" + NL},
            {"err.log", "out.log", "false", "err" + NL, "out" + NL},
            {"out.log", "out.log", "false", "old" + NL, "err" + NL + "out" + NL},
            {"err.log", "", "false", "err" + NL, "old" + NL},
            {"missing/err.log", "out.log", "false", "old" + NL, "out" + NL},
        };
        for (String[] row : cases) {
            Files.write(Paths.get("err.log"), ("old" + NL).getBytes());
            Files.write(Paths.get("out.log"), ("old" + NL).getBytes());
            launch(Recorder.class.getName(), row[0], row[1], row[2]);
            String[] written = {new String(Files.readAllBytes(Paths.get("err.log"))),
                new String(Files.readAllBytes(Paths.get("out.log")))};
            Check.equal(Arrays.copyOfRange(row, 3, 5), written, Arrays.toString(row));
        }
    }

    /** In a process of its own, through the launcher class of the other flavour. */
    private static void endsTheProcessWhenTheMainClassIsMissing() throws Exception {
        File stderr = new File("stderr.txt");
        Process process = new ProcessBuilder(new File(System.getProperty("java.home"), "bin/java").getPath(),
                "-classpath", System.getProperty("java.class.path"), "com.orvane.runtime.launcher.WinLauncher",
                "false", "com.example.Missing", "", "", "true", "app.exe").redirectError(stderr).start();
        Check.equal(1, process.waitFor(), "exit code");
        Check.equal("Main class com.example.Missing not found on the class path" + NL,
                new String(Files.readAllBytes(stderr.toPath())), "standard error");
    }
}
