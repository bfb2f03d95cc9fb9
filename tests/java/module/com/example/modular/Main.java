package com.example.modular;

/** A main class that exists only on the module path; it records its arguments. */
public final class Main {
    public static void main(String[] args) {
        System.setProperty("fixture.arguments", String.join("|", args));
    }
}
