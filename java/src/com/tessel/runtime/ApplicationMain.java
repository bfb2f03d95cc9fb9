package com.tessel.runtime;

import java.lang.reflect.InvocationTargetException;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;

/** Finds the application's main method and calls it. */
final class ApplicationMain {
    private ApplicationMain() {
    }

    /**
     * The {@code public static void main(String[])} of the class, loaded from
     * the named module of the boot layer or, without a module, from the class path.
     */
    static Method find(String moduleName, String className) throws LaunchFailure {
        if (className.isEmpty()) {
            throw new LaunchFailure("No main class was given to the launcher");
        }
        Class<?> mainClass = moduleName == null
                ? loadFromClassPath(className)
                : BootLayer.loadClass(moduleName, className);
        Method main;
        try {
            main = mainClass.getMethod("main", String[].class);
        } catch (NoSuchMethodException e) {
            main = null;
        }
        if (main == null || !Modifier.isStatic(main.getModifiers()) || main.getReturnType() != void.class) {
            throw new LaunchFailure("Main class " + className
                    + " has no method public static void main(String[] args)");
        }
        try {
            // A main class need not be public, and its module may open rather than export it.
            main.setAccessible(true);
        } catch (RuntimeException e) {
            throw new LaunchFailure("The main method of " + className + " may not be called: " + e.getMessage());
        }
        return main;
    }

    /** Calls main; whatever it throws reaches the caller unwrapped. */
    static void invoke(Method main, String[] arguments) throws Throwable {
        try {
            main.invoke(null, (Object) arguments);
        } catch (InvocationTargetException e) {
            throw e.getCause();
        }
    }

    private static Class<?> loadFromClassPath(String className) throws LaunchFailure {
        try {
            return Class.forName(className, false, ClassLoader.getSystemClassLoader());
        } catch (ClassNotFoundException e) {
            throw new LaunchFailure("Main class " + className + " not found on the class path");
        } catch (LinkageError e) {
            throw new LaunchFailure("Main class " + className + " cannot be loaded: " + e);
        }
    }
}
