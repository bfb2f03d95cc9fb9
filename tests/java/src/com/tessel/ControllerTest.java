package com.tessel;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.stream.Collectors;
import java.util.stream.IntStream;

public final class ControllerTest {
    /** A listener that keeps what it hears; the controller delivers under its lock. */
    private static final class Recorder implements StartupListener {
        final List<String> heard = new ArrayList<>();
        @Override public void startupPerformed(String commandLine) { heard.add(commandLine); }
    }

    public static void main(String[] args) throws InterruptedException {
        keepsCommandLinesUntilAListenerRegisters();
        keepsTheOrderWhileALateListenerRegisters();
    }

    private static void keepsCommandLinesUntilAListenerRegisters() {
        Arrays.asList("a", null, "\"b c\"").forEach(Controller::startupPerformed);
        Recorder first = new Recorder();
        StartupListener failing = line -> {
            throw new IllegalStateException("thrown on purpose: the next listener must still hear " + line);
        };
        Recorder last = new Recorder();
        List<StartupListener> listeners = Arrays.asList(first, failing, last);
        listeners.forEach(Controller::addStartupListener);
        Controller.startupPerformed("d");
        Check.equal(Arrays.asList("a", "", "\"b c\"", "d"), first.heard, "first listener");
        Check.equal(Arrays.asList("d"), last.heard, "listener after a failing one");
        listeners.forEach(Controller::removeStartupListener);
        Controller.startupPerformed("e");
        Recorder alone = new Recorder();
        Controller.addStartupListener(alone);
        Check.equal(Arrays.asList("e"), alone.heard, "listener after the others left");
        Controller.removeStartupListener(alone);
    }

    /** A race needs many tries to show, so this registers during many short bursts. */
    private static void keepsTheOrderWhileALateListenerRegisters() throws InterruptedException {
        List<String> sent = IntStream.range(0, 100).mapToObj(Integer::toString).collect(Collectors.toList());
        for (int round = 0; round < 3000; round++) {
            Thread launcher = new Thread(() -> sent.forEach(Controller::startupPerformed));
            Recorder late = new Recorder();
            launcher.start();
            for (int spin = 0; spin < round % 100; spin++) Thread.yield();
            Controller.addStartupListener(late);
            launcher.join();
            Controller.removeStartupListener(late);
            Check.equal(sent, late.heard, "command lines around a late registration, round " + round);
        }
    }
}
