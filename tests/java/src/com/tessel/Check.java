package com.tessel;

import java.util.Arrays;
import java.util.Objects;

/** The checks of the test mains: a failed one ends the test with an AssertionError. */
public final class Check {
    private Check() {
    }

    public static void equal(Object expected, Object actual, String what) {
        if (!Objects.deepEquals(expected, actual)) {
            // Wrapped, so that nested arrays show their elements.
            throw new AssertionError(what + ": expected " + Arrays.deepToString(new Object[] {expected})
                    + " but was " + Arrays.deepToString(new Object[] {actual}));
        }
    }
}
