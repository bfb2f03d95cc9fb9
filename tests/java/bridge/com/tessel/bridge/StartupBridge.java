package com.tessel.bridge;

import com.tessel.Controller;
import java.nio.file.*;
import java.util.*;

/** The demo bridge's main: hands the lines of tessel.bridge.startups (empty for null) to Controller, runs args[0]. */
public final class StartupBridge {
    public static void main(String[] args) throws Exception {
        Path file = Paths.get(System.getProperty("tessel.bridge.startups"));
        Thread follower = new Thread(() -> {
            try {
                for (int done = 0;; Thread.sleep(100)) {
                    List<String> lines = Files.exists(file) ? Files.readAllLines(file) : Collections.emptyList();
                    for (String line : lines.subList(done, done = lines.size())) {
                        Controller.startupPerformed(line.isEmpty() ? null : line);
                    }
                }
            } catch (Exception e) {
                return;  // the demo ends
            }
        });
        follower.setDaemon(true);
        follower.start();
        Class.forName(args[0]).getMethod("main", String[].class)
            .invoke(null, (Object) Arrays.copyOfRange(args, 1, args.length));
    }
}
