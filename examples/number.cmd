@echo off
rem Asks for a number of at most three digits.
Tovask "Age" "set ''age=$input''" "Your age:" 30 /num /length=3 > "%TEMP%\tovask-age.cmd"
if errorlevel 1 (del "%TEMP%\tovask-age.cmd" & exit /b 1)
call "%TEMP%\tovask-age.cmd"
del "%TEMP%\tovask-age.cmd"
set /a next=age+1
echo Next year you will be %next%.
