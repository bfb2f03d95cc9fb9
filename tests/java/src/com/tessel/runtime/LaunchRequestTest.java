package com.tessel.runtime;

import com.tessel.Check;
import java.util.Arrays;

public final class LaunchRequestTest {
    private static String[] texts(String... texts) {
        return texts;
    }

    public static void main(String[] args) {
        Object[][] cases = {
            // argument array; gui, module, class, error file, output file, append, program, application arguments
            {texts("true", "com.example.Main", "", "", "false", "app.exe", "x", "y z"),
                true, null, "com.example.Main", null, null, false, "app.exe", texts("x", "y z")},
            {texts("false", "/app.mod/com.example.Main", "C:\\e.log", "C:\\o.log", "true", "app.exe"),
                false, "app.mod", "com.example.Main", "C:\\e.log", "C:\\o.log", true, "app.exe", texts()},
            // The module mark without a module, and no program token.
            {texts("false", "/com.example.Main", "", "C:\\o.log", "true"),
                false, null, "com.example.Main", null, "C:\\o.log", true, "", texts()},
            {texts(), false, null, "", null, null, false, "", texts()},
        };
        for (Object[] row : cases) {
            LaunchRequest request = LaunchRequest.parse((String[]) row[0]);
            Object[] parsed = {request.gui, request.moduleName, request.mainClass, request.errorFile,
                request.outputFile, request.appendToFiles, request.program, request.applicationArguments};
            Check.equal(Arrays.copyOfRange(row, 1, row.length), parsed, Arrays.toString((String[]) row[0]));
        }
    }
}
