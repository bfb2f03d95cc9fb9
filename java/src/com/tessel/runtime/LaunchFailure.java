package com.tessel.runtime;

/** The application cannot be started; the message says why, in the user's terms. */
final class LaunchFailure extends Exception {
    private static final long serialVersionUID = 1L;

    LaunchFailure(String message) {
        super(message);
    }
}
