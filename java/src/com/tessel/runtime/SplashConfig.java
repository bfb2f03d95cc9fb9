package com.tessel.runtime;

/** The text lines the launcher configuration asks to draw over the splash screen. */
public final class SplashConfig {
    /** One line: its text, position, colour as "red,green,blue", font size and weight. */
    public static final class Text {
        public final String text;
        public final int x;
        public final int y;
        public final String color;
        public final int fontSize;
        public final int fontWeight;

        Text(String text, int x, int y, String color, int fontSize, int fontWeight) {
            this.text = text;
            this.x = x;
            this.y = y;
            this.color = color;
            this.fontSize = fontSize;
            this.fontWeight = fontWeight;
        }
    }

    /** The launcher shows a splash screen. */
    public final boolean splashShown;
    /** A flag the launcher configuration passes along with the texts, for the application's use. */
    public final boolean extraFlag;
    public final Text status;
    public final Text version;

    SplashConfig(boolean splashShown, boolean extraFlag, Text status, Text version) {
        this.splashShown = splashShown;
        this.extraFlag = extraFlag;
        this.status = status;
        this.version = version;
    }
}
