package com.tessel.bridge;

import com.tessel.Controller;
import java.io.IOException;
import java.lang.reflect.InvocationTargetException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.Arrays;

/**
 * Main class of the demo's bridge runtime: hands the command lines that the
 * bridge jvm.dll receives from the launcher's listener thread (a line each in
 * the file named by tessel.bridge.startups: "-" for null, "+" and the text
 * with \\, \n and \r escaped) to Controller, then runs the real main class.
 */
public final class StartupBridge {
    private StartupBridge() {
    }

    public static void main(String[] args) throws Throwable {
        Path file = Paths.get(System.getProperty("tessel.bridge.startups"));
        Thread follower = new Thread(() -> follow(file), "startup bridge");
        follower.setDaemon(true);
        follower.start();
        try {
            Class.forName(args[0]).getMethod("main", String[].class)
                .invoke(null, (Object) Arrays.copyOfRange(args, 1, args.length));
        } catch (InvocationTargetException e) {
            throw e.getCause();
        }
    }

    private static void follow(Path file) {
        int linesDone = 0;
        while (true) {
            try {
                if (Files.exists(file)) {
                    String[] lines = new String(Files.readAllBytes(file), StandardCharsets.UTF_8).split("\r\n", -1);
                    // The last element is the unfinished line after the last line end.
                    for (; linesDone < lines.length - 1; ++linesDone) {
                        String line = lines[linesDone];
                        Controller.startupPerformed(line.startsWith("+") ? unescape(line.substring(1)) : null);
                    }
                }
                Thread.sleep(100);
            } catch (IOException | InterruptedException e) {
                return;
            }
        }
    }

    private static String unescape(String text) {
        StringBuilder result = new StringBuilder();
        for (int i = 0; i < text.length(); ++i) {
            char c = text.charAt(i);
            if (c == '\\' && i + 1 < text.length()) {
                char next = text.charAt(++i);
                result.append(next == 'n' ? '\n' : next == 'r' ? '\r' : next);
            } else {
                result.append(c);
            }
        }
        return result.toString();
    }
}
