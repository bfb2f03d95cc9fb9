package com.tessel.runtime;

import java.lang.reflect.Method;

/**
 * The class the native Windows launcher calls once it has created the Java
 * VM: {@link #main} starts the application, {@link #initAwtSplashConfig}
 * receives the splash-screen texts before that.
 */
public final class WinLauncher {
    private static volatile SplashConfig splashConfig;

    private WinLauncher() {
    }

    /**
     * Elements: GUI flag ("true"/"false"); main class, as "/module/class" when
     * it lives in a named module; standard-error file or ""; standard-output
     * file or ""; "true" to append to those files rather than start them
     * afresh; the launcher's program token; then the application's arguments.
     * <p>
     * A main class or method that cannot be found is reported and ends the
     * process with exit code 1. Whatever the application's main throws is
     * rethrown for the launcher to report.
     */
    public static void main(String[] args) throws Throwable {
        LaunchRequest request = LaunchRequest.parse(args);
        OutputRedirection.apply(request);
        Method main;
        try {
            main = ApplicationMain.find(request.moduleName, request.mainClass);
        } catch (LaunchFailure failure) {
            StartFailureReport.show(failure, request);
            System.exit(1);
            return;
        }
        ApplicationMain.invoke(main, request.applicationArguments);
    }

    /** Called by the launcher before {@link #main} when it shows a splash screen. */
    public static void initAwtSplashConfig(boolean splashShown, boolean extraFlag,
            String statusText, int statusX, int statusY, String statusColor, int statusFontSize, int statusFontWeight,
            String versionText, int versionX, int versionY, String versionColor, int versionFontSize,
            int versionFontWeight) {
        splashConfig = new SplashConfig(splashShown, extraFlag,
                new SplashConfig.Text(statusText, statusX, statusY, statusColor, statusFontSize, statusFontWeight),
                new SplashConfig.Text(versionText, versionX, versionY, versionColor, versionFontSize,
                        versionFontWeight));
    }

    /** The splash-screen texts, or null when the launcher showed no splash screen. */
    public static SplashConfig getSplashConfig() {
        return splashConfig;
    }
}
