import tkinter as tk
import time
import threading
from tkinter import messagebox

class Quillform:
    def __init__(self, 启动窗口):
        self.点击记录 = False
        self.启动窗口 = 启动窗口
        self.启动窗口.title('Quillform_DesignWindow')
        self.启动窗口.resizable(width=False, height=False)
        screenwidth = self.启动窗口.winfo_screenwidth()
        screenheight = self.启动窗口.winfo_screenheight()
        size = '%dx%d+%d+%d' % (340, 220, (screenwidth - 340) / 2, (screenheight - 220) / 2)
        self.启动窗口.bind('<Button-1>',self.启动窗口_被鼠标左键按下)
        self.启动窗口.bind('<Double-Button-1>',self.启动窗口_被鼠标左键双击)
        self.启动窗口.bind('<Button-3>',self.启动窗口_被鼠标右键按下)
        self.启动窗口.bind('<Key>',self.启动窗口_按下某键)
        self.启动窗口.bind('<Configure>',self.启动窗口_尺寸被改变)
        self.启动窗口.bind('<Motion>',self.启动窗口_鼠标在组件上移动)
        self.启动窗口.bind('<MouseWheel>',self.启动窗口_鼠标滚轮被滚动)
        self.启动窗口.geometry(size)
        
        self.标签1_标题 = tk.StringVar()
        self.标签1_标题.set('标签')
        self.标签1 = tk.Label(self.启动窗口,textvariable=self.标签1_标题,anchor=tk.W, font=('微软雅黑', 9))
        self.标签1.place(x=8,y=8,width=72,height=20)
        
        
    def 信息框(self,标题='提示',提示内容='你好Lumbra',类型=0):
        '0普通信息框,1带确认取消信息框,2黄色警告,3红色错误,4黄色警告重试'
        if 类型 == 0:
            return messagebox.showinfo(标题,提示内容)
        elif 类型 == 1:
            return messagebox.askokcancel(标题, 提示内容)#确定返回True 取消返回False
        elif 类型 == 2:
            return messagebox.showwarning(标题, 提示内容)
        elif 类型 == 3:
            return messagebox.showerror(标题, 提示内容)
        elif 类型 == 4:
            return messagebox.askretrycancel(标题, 提示内容)#重试返回True 取消返回False

        
    
    def 启动窗口_被鼠标左键按下(self,event):
        print('被鼠标左键按下')
        
    def 启动窗口_被鼠标左键双击(self,event):
        if self.点击记录==True:
            self.点击记录 = False
        else:
            self.点击记录 = True
            time.sleep(0.18)
            self.点击记录 = False
            threading.Thread(target=self.启动窗口_被鼠标左键双击_线程).start()
        
    def 启动窗口_被鼠标左键双击_线程(self):
        self.点击记录 = True
        print('被鼠标左键双击')
        self.点击记录 = False
        
    def 启动窗口_被鼠标右键按下(self,event):
        threading.Thread(target=self.启动窗口_被鼠标右键按下_线程).start()
        
    def 启动窗口_被鼠标右键按下_线程(self):
        time.sleep(0.25)
        if self.点击记录 == False:
            self.点击记录 = True
            time.sleep(0.2)
            self.点击记录 = False
            print('被鼠标右键按下')
        else:
            self.点击记录 = False
        
    def 启动窗口_按下某键(self,event):
        按键名 = event.keysym
        键代码 = event.keycode
        if 按键名 != '??':
            print('按下的按键名：'+按键名+'|'+str(键代码))
        
    def 启动窗口_尺寸被改变(self,event):
        新宽度 = event.width
        新高度 = event.height
        print('组件尺寸被改变|新宽度：'+ str(新宽度) +'|新高度：'+ str(新高度))
        
    def 启动窗口_鼠标在组件上移动(self,event):
        鼠标x = event.x
        鼠标y = event.y
        print('鼠标在组件上移动|'+str(鼠标x)+','+str(鼠标y))
        
    def 启动窗口_鼠标滚轮被滚动(self,event):
        滚动的距离 = event.delta
        if 滚动的距离 > 0 :
            print('滚轮向前滚了|'+str(滚动的距离))
        else:
            print('滚轮向后滚了|'+ str(滚动的距离))
        
if __name__ == '__main__':
    root = tk.Tk()
    app = Quillform(root)
    root.mainloop()
    