package com.tessel.bridge;

import com.tessel.Controller;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.Arrays;
import java.util.List;

/** The demo bridge's main: hands the lines of tessel.bridge.startups (empty for null) to Controller, runs args[0]. */
public final class StartupBridge {
    public static void main(String[] args) throws Exception {
        Path file = Paths.get(System.getProperty("tessel.bridge.startups"));
        Thread follower = new Thread(() -> {
            for (int done = 0;; ) {
                try {
                    List<String> lines = Files.exists(file)
                        ? Files.readAllLines(file, StandardCharsets.UTF_8) : Arrays.<String>asList();
                    for (; done < lines.size(); ++done) {
                        Controller.startupPerformed(lines.get(done).isEmpty() ? null : lines.get(done));
                    }
                    Thread.sleep(100);
                } catch (Exception e) {
                    return;
                }
            }
        });
        follower.setDaemon(true);
        follower.start();
        Class.forName(args[0]).getMethod("main", String[].class)
            .invoke(null, (Object) Arrays.copyOfRange(args, 1, args.length));
    }
}
