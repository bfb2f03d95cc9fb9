package com.tessel.runtime;

import java.lang.reflect.InvocationTargetException;
import java.lang.reflect.Method;
import java.util.Optional;

/**
 * Classes of the modules the VM was started with. The module API exists from
 * Java 9 on; this library is compiled for Java 8, so it is reached by reflection.
 */
final class BootLayer {
    private BootLayer() {
    }

    static Class<?> loadClass(String moduleName, String className) throws LaunchFailure {
        try {
            Class<?> layerType = Class.forName("java.lang.ModuleLayer");
            Class<?> moduleType = Class.forName("java.lang.Module");
            Object bootLayer = layerType.getMethod("boot").invoke(null);
            Method findModule = layerType.getMethod("findModule", String.class);
            Optional<?> module = (Optional<?>) findModule.invoke(bootLayer, moduleName);
            if (!module.isPresent()) {
                throw new LaunchFailure("Module " + moduleName + " of main class " + className
                        + " not found on the module path");
            }
            Method forName = Class.class.getMethod("forName", moduleType, String.class);
            Class<?> found = (Class<?>) forName.invoke(null, module.get(), className);
            if (found == null) {
                throw new LaunchFailure("Main class " + className + " not found in module " + moduleName);
            }
            return found;
        } catch (ClassNotFoundException | NoSuchMethodException e) {
            throw new LaunchFailure("Main class " + className + " is given with its module " + moduleName
                    + ", which needs Java 9 or later; this is Java " + System.getProperty("java.version"));
        } catch (ReflectiveOperationException e) {
            Throwable reason = e instanceof InvocationTargetException ? e.getCause() : e;
            throw new LaunchFailure("Main class " + className + " cannot be loaded from module "
                    + moduleName + ": " + reason);
        }
    }
}
