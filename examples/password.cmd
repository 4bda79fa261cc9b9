@echo off
rem Asks for a password; the field shows no characters.
Tovask "Sign in" "set ''password=$input''" "Password:" /pass > "%TEMP%\tovask-password.cmd"
if errorlevel 1 (del "%TEMP%\tovask-password.cmd" & exit /b 1)
call "%TEMP%\tovask-password.cmd"
del "%TEMP%\tovask-password.cmd"
if defined password (echo The password was read.) else echo The password is empty.
